#include "DocumentTests.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <cstring>
#include <memory>
#include <vector>

// gui_document_tests [TestClass] [QtTest options]
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ProgramDocumentTests"));
    // Settings and backup copies go to a test folder, never the user's own.
    QStandardPaths::setTestModeEnabled(true);

    std::vector<std::unique_ptr<QObject>> suites;
    suites.push_back(std::make_unique<DocumentTest>());
    suites.push_back(std::make_unique<GridEditTest>());
    suites.push_back(std::make_unique<TransferTest>());
    suites.push_back(std::make_unique<UnsavedChangesTest>());
    suites.push_back(std::make_unique<PortSettingTest>());

    // A first argument naming a suite runs that suite alone.
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args(argv, argv + argc);
    if (only)
        args.erase(args.begin() + 1);

    int failures = 0;
    bool ran = false;
    for (const auto& suite : suites) {
        if (only && std::strcmp(suite->metaObject()->className(), only) != 0)
            continue;
        ran = true;
        failures += QTest::qExec(suite.get(), static_cast<int>(args.size()), args.data());
    }
    return ran && failures == 0 ? 0 : 1;
}
