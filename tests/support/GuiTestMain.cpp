#include "support/GuiTestMain.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <string>

namespace testsupport {

namespace {
std::map<std::string, std::function<std::unique_ptr<QObject>()>>& registry() {
    static std::map<std::string, std::function<std::unique_ptr<QObject>()>> classes;
    return classes;
}
} // namespace

int registerGuiTest(const char* name, std::function<std::unique_ptr<QObject>()> make) {
    registry()[name] = std::move(make);
    return 0;
}

} // namespace testsupport

// <suite> [TestClass] [QtTest options]: every test class, or the one named.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and backup copies go to a test folder, never the user's own, and one
    // of this run's own: the suites run side by side and count the copies they make.
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("XAUTHORITY"))
        qputenv("XAUTHORITY", QDir::home().filePath(QStringLiteral(".Xauthority")).toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);

    QStringList options;
    for (int i = 0; i < argc; ++i)
        options.append(QString::fromLocal8Bit(argv[i]));
    const bool named = options.size() > 1 && !options[1].startsWith(QLatin1Char('-'));
    const std::string only = named ? options.takeAt(1).toStdString() : std::string();

    int failures = 0;
    bool ran = false;
    for (const auto& [name, make] : testsupport::registry()) {
        if (named && name != only)
            continue;
        ran = true;
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), options);
    }
    return ran && failures == 0 ? 0 : 1;
}
