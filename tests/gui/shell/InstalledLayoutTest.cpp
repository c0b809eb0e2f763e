#include "ShellTestSupport.h"

#include "app/MainFrame.h"
#include "app/ProgramApp.h"
#include "common/CommandIds.h"
#include "common/ControlIds.h"
#include "common/HelpProperties.h"
#include "help/HelpContexts.h"
#include "help/HelpController.h"
#include "help/HelpViewer.h"
#include "support/EnvironmentVariable.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using testsupport::EnvironmentVariable;

namespace {

const QByteArray DefaultSettings = "[Setup]\r\nLanguage=English\r\nShowLang=1\r\n"
                                   "[English]\r\nTitle=Installed\r\n";

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The program as a package installs it: nothing beside <prefix>/bin/Program, the
// packs, help files and the default Program.ini in <prefix>/share/program, and the
// user's configuration folder still empty.
struct InstalledProgram {
    QTemporaryDir root;
    QString share = root.filePath(QStringLiteral("usr/share/program/"));
    QString defaultFile = share + QStringLiteral("Program.ini");
    QString configFolder = root.filePath(QStringLiteral("home/config"));
    QString userFile = configFolder + QStringLiteral("/Program/Program.ini");

    InstalledProgram() {
        QDir().mkpath(root.filePath(QStringLiteral("usr/bin")));
        writeFile(defaultFile, DefaultSettings);
        for (const char* name : {"English.rcc", "Chinese.rcc", "enHelp.qch"})
            QFile::copy(QStringLiteral(PROGRAM_BIN_DIR "/") + name, share + name);
    }
    QStringList arguments() const {
        return {root.filePath(QStringLiteral("usr/bin/Program")), QStringLiteral("--no-splash")};
    }
};

// The settings line of the About box of a started program.
QString aboutSettingsLine(CProgramApp& app) {
    QString line;
    ModalAnswerer answers;
    answers.then([&line](QDialog* box) {
        for (const QLabel* label : box->findChildren<QLabel*>())
            if (label->property(helpproperty::ControlId).toInt() == control::AboutSettingsFile)
                line = label->isVisibleTo(box) ? label->text() : QString();
        box->reject();
    });
    app.mainFrame()->onCommand(command::About);
    return line;
}

} // namespace

class InstalledLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void packsHelpAndTheUsersSettingsOfAnInstalledProgram();
    void withoutAHomeFolderTheDefaultIsReadAndNothingWritten();
};

void InstalledLayoutTest::packsHelpAndTheUsersSettingsOfAnInstalledProgram() {
    InstalledProgram installed;
    EnvironmentVariable config("XDG_CONFIG_HOME", installed.configFolder.toLocal8Bit().constData());
    CProgramApp app;
    QVERIFY(app.initInstance(installed.arguments()));
    QCOMPARE(app.mainFrame()->windowTitle(), QString("Installed"));
    QCOMPARE(aboutSettingsLine(app), "Settings: " + installed.userFile);

    // The manual comes from the shared folder too.
    app.requestHelp(helpcontext::DefaultTopic);
    HelpWindow* viewer = app.help()->viewer(QStringLiteral("enHelp.qch"));
    QVERIFY(viewer && viewer->isAvailable());
    QCOMPARE(viewer->helpFile(), installed.share + "enHelp.qch");
}

void InstalledLayoutTest::withoutAHomeFolderTheDefaultIsReadAndNothingWritten() {
    InstalledProgram installed;
    EnvironmentVariable config("XDG_CONFIG_HOME", nullptr);
    EnvironmentVariable home("HOME", nullptr);
    {
        CProgramApp app;
        QVERIFY(app.initInstance(installed.arguments()));
        QCOMPARE(app.mainFrame()->windowTitle(), QString("Installed"));
        QCOMPARE(aboutSettingsLine(app), "Settings: " + installed.defaultFile);
        app.state().squelchWrite = true;
    }
    QCOMPARE(readFile(installed.defaultFile), DefaultSettings);
}

GUI_TEST(InstalledLayoutTest);
#include "InstalledLayoutTest.moc"
