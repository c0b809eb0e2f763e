#include <QApplication>

int runRegisteredTests(int argc, char** argv);

// gui_shell_tests [TestClass] [QtTest options]
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return runRegisteredTests(argc, argv);
}
