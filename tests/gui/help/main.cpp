#include "HelpFiles.h"

#include <QApplication>
#include <QTest>

#include <cstring>

// gui_help_tests [TestClass] [QtTest options]: every test class, or the one named.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    QStringList options = {QString::fromLocal8Bit(argv[0])};
    for (int i = only ? 2 : 1; i < argc; ++i)
        options.append(QString::fromLocal8Bit(argv[i]));

    int failures = 0;
    bool ran = false;
    for (const HelpTestClass& test : helpTestClasses()) {
        if (only && std::strcmp(only, test.name) != 0)
            continue;
        ran = true;
        const std::unique_ptr<QObject> object = test.make();
        failures += QTest::qExec(object.get(), options);
    }
    return ran ? failures : 1;
}
