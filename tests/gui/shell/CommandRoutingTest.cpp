#include "ShellTestSupport.h"

#include "app/CommandActions.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/ProgramApp.h"

#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

class CommandRoutingTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void toolbarFollowsThePack();
    void aTransferLocksEverythingButTheViewAndHelp();
    void f1AndHelpTopicsAskForHelp();
    void viewCommandsToggleToolbarAndStatusBar();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<CProgramApp> m_app;
    CMainFrame* m_frame = nullptr;
};

void CommandRoutingTest::init() {
    m_folder = std::make_unique<ProgramFolder>(QStringList{"Language=English", "ShowLang=1"});
    m_app = std::make_unique<CProgramApp>();
    QVERIFY(m_app->initInstance({m_folder->argv0(), "--no-splash"}));
    m_frame = m_app->mainFrame();
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
}

void CommandRoutingTest::cleanup() {
    m_app.reset();
    m_folder.reset();
}

void CommandRoutingTest::toolbarFollowsThePack() {
    QList<int> ids;
    for (QAction* action : m_frame->toolBar()->actions()) {
        ids.append(action->isSeparator() ? 0 : action->data().toInt());
        if (!action->isSeparator()) {
            QVERIFY(!action->icon().isNull());
            QVERIFY(!action->toolTip().isEmpty());
        }
    }
    QCOMPARE(ids,
             (QList<int>{command::FileNew, command::FileOpen, command::FileSave, 0, command::Read,
                         0, command::Write, 0, command::FilePrint, command::About}));
}

void CommandRoutingTest::aTransferLocksEverythingButTheViewAndHelp() {
    CommandActions& commands = m_frame->commands();
    m_frame->setTransferRunning(true);
    for (int id : {command::FileNew, command::FileOpen, command::FileClose, command::FileSave,
                   command::FileSaveAs, command::FilePrint, command::AppExit, command::Read,
                   command::Write, command::ComSetup, command::Language, command::About,
                   command::ChannelInformation, command::OptionalFeatures, command::Dtmf,
                   command::ParameterAdjust, command::SoftwareInfo}) {
        QVERIFY2(!commands.isEnabled(id), qPrintable(QString::number(id)));
        for (QAction* action : commands.actionsOf(id))
            QVERIFY(!action->isEnabled());
    }
    for (int id : {command::ControlBar, command::ViewToolbar, command::ViewStatusBar,
                   command::HelpTopics, command::ContextHelp})
        QVERIFY(commands.isEnabled(id));

    // Neither the window's close box nor a routed Exit ends the program meanwhile.
    QVERIFY(!m_frame->close());
    m_frame->onCommand(command::AppExit);
    QVERIFY(m_frame->isVisible());

    m_frame->setTransferRunning(false);
    QVERIFY(commands.isEnabled(command::Read));
    for (QAction* action : commands.actionsOf(command::Read))
        QVERIFY(action->isEnabled());
}

void CommandRoutingTest::f1AndHelpTopicsAskForHelp() {
    QSignalSpy help(m_app.get(), &CProgramApp::helpRequested);
    QTest::keyClick(m_frame, Qt::Key_F1);
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toString(), QString("enHelp.qch"));
    QVERIFY(help.at(0).at(1).toInt() > 0);
    m_frame->onCommand(command::HelpTopics);
    QCOMPARE(help.count(), 2);
    QCOMPARE(help.at(1).at(1).toInt(), 0);
}

void CommandRoutingTest::viewCommandsToggleToolbarAndStatusBar() {
    m_frame->onCommand(command::ViewToolbar);
    QVERIFY(m_frame->toolBar()->isHidden());
    m_frame->onCommand(command::ViewStatusBar);
    QVERIFY(m_frame->statusBar()->isHidden());
    for (int id : {command::ViewToolbar, command::ViewStatusBar}) {
        for (QAction* action : m_frame->commands().actionsOf(id))
            QVERIFY(!action->isChecked());
    }
    m_frame->onCommand(command::ViewToolbar);
    m_frame->onCommand(command::ViewStatusBar);
    QVERIFY(m_frame->toolBar()->isVisible());
    QVERIFY(m_frame->statusBar()->isVisible());
}

SHELL_TEST(CommandRoutingTest);
#include "CommandRoutingTest.moc"
