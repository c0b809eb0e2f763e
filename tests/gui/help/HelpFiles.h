#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// The help files as the build places them beside the program.
QString builtHelpFile(const char* name);
inline const char* const HelpFileNames[] = {"enHelp.qch", "chHelp.qch"};

struct HelpTestClass {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};
QList<HelpTestClass>& helpTestClasses();
#define HELP_TEST(Class)                                                                           \
    static const bool registered##Class =                                                          \
        (helpTestClasses().append({#Class, [] { return std::make_unique<Class>(); }}), true)
