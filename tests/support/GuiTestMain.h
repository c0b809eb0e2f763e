#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace testsupport {

// Adds a QtTest class to those the GUI test main runs.
int registerGuiTest(const char* name, std::function<std::unique_ptr<QObject>()> make);

} // namespace testsupport

// Registers a test class with the GUI test main: `<suite> [TestClass] [QtTest options]`
// runs every registered class, or the one named.
#define GUI_TEST(Class)                                                                            \
    static const int registered##Class =                                                           \
        testsupport::registerGuiTest(#Class, [] { return std::make_unique<Class>(); })
