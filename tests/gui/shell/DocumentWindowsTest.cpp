#include "ShellTestSupport.h"

#include "app/CommandActions.h"
#include "app/MainFrame.h"
#include "app/NavigationBar.h"
#include "app/ProgramApp.h"
#include "channels/ChannelColumns.h"
#include "channels/ChannelGrid.h"
#include "channels/ChildFrame.h"
#include "channels/ProgramView.h"
#include "common/CommandIds.h"
#include "link/ProgressDlg.h"
#include "model/MyDocManager.h"
#include "model/ProgramDoc.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {
// The actions and shortcuts of the main window, its document windows included,
// that answer `key`. A key with two owners triggers neither.
int ownersOf(CMainFrame& frame, const QKeySequence& key) {
    int owners = 0;
    for (QAction* action : frame.findChildren<QAction*>()) {
        if (!action->shortcuts().contains(key))
            continue;
        const QList<QObject*> places = action->associatedObjects();
        owners += std::any_of(places.begin(), places.end(), [&frame](QObject* place) {
            auto* widget = qobject_cast<QWidget*>(place);
            return widget && widget->window() == &frame;
        });
    }
    for (QShortcut* shortcut : frame.findChildren<QShortcut*>()) {
        auto* widget = qobject_cast<QWidget*>(shortcut->parent());
        owners += shortcut->keys().contains(key) && widget && widget->window() == &frame;
    }
    return owners;
}

QStringList menuBarTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles.append(action->text());
    return titles;
}
} // namespace

// The main frame with the documents: the first document, the channel window that
// only hides, and the end of the program.
class DocumentWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithANewDocumentUnderTheDocumentMenus();
    void aDatFileOnTheCommandLineOpens();
    void aFileThatDoesNotOpenEndsTheStart();
    void channelInformationBringsBackTheClosedWindow();
    void closingAsksAboutChangesThatWereNeverSaved();
    void aTransferLocksTheFrame();
    void everyAcceleratorOfBothPacksHasOneOwner();
};

void DocumentWindowsTest::startsWithANewDocumentUnderTheDocumentMenus() {
    ProgramFolder folder({"Language=English", "ShowLang=1"});
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
    CMainFrame& frame = *app.mainFrame();
    QCOMPARE(frame.docManager().frames().size(), 1);
    auto* child = frame.docManager().activeFrame();
    QVERIFY(child && child->isVisible());
    QVERIFY(child->document()->path().isEmpty());
    QCOMPARE(menuBarTitles(frame), (QStringList{"&File", "&Edit", "&Program", "&Setup",
                                                "Si&gnalling", "Se&rvice", "&View", "&Help"}));
    // A maximised document window leaves the caption alone.
    child->showMaximized();
    QTest::qWait(10);
    QCOMPARE(frame.windowTitle(), QString(ProgramFolder::EnglishTitle));
}

void DocumentWindowsTest::aDatFileOnTheCommandLineOpens() {
    ProgramFolder folder({"Language=English"});
    folder.write("radio.dat", QByteArray(4096, '\xFF'));
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash", folder.path() + "radio.dat"}));
    const CMyDocManager& documents = app.mainFrame()->docManager();
    QCOMPARE(documents.frames().size(), 1);
    QCOMPARE(documents.activeFrame()->document()->path(), folder.path() + "radio.dat");
}

void DocumentWindowsTest::aFileThatDoesNotOpenEndsTheStart() {
    ProgramFolder folder({"Language=English"});
    folder.write("short.dat", QByteArray(4095, '\xFF'));
    ModalAnswerer answers;
    const int status =
        CProgramApp::run({folder.argv0(), "--no-splash", folder.path() + "short.dat"});
    QCOMPARE(status, 1);
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY2(answers.seen[0].text.contains("short.dat"), qPrintable(answers.seen[0].text));
    QVERIFY(!findMainFrame());
}

void DocumentWindowsTest::channelInformationBringsBackTheClosedWindow() {
    ProgramFolder folder({"Language=English"});
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
    CMainFrame& frame = *app.mainFrame();
    auto* child = frame.docManager().activeFrame();
    CProgramDoc* doc = child->document();
    doc->table().setText(1, program::column::Name, "KEEP");

    QVERIFY(child->close() || child->isHidden());
    QVERIFY(child->isHidden());
    QCOMPARE(frame.docManager().frames().size(), 1);

    NavigationBar* bar = frame.navigationBar();
    QTreeWidgetItem* channels = bar->root()->child(0);
    QTest::mouseClick(bar->tree()->viewport(), Qt::LeftButton, {},
                      bar->tree()->visualItemRect(channels).center());
    QVERIFY(child->isVisible());
    QCOMPARE(frame.docManager().activeFrame(), child);
    QCOMPARE(child->document(), doc);
    QCOMPARE(doc->table().text(1, program::column::Name), std::string("KEEP"));
}

void DocumentWindowsTest::closingAsksAboutChangesThatWereNeverSaved() {
    ProgramFolder folder({"Language=English"});
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
    CMainFrame& frame = *app.mainFrame();
    // An edit in a document whose window is hidden still counts.
    auto* child = frame.docManager().activeFrame();
    child->document()->table().setText(2, program::column::Name, "EDITED");
    child->close();
    {
        ModalAnswerer cancel;
        cancel.answerWith(QStringLiteral("Cancel"));
        QVERIFY(!frame.close());
        QVERIFY(cancel.done());
        QVERIFY(frame.isVisible());
    }
    ModalAnswerer discard;
    discard.answerWith(QStringLiteral("Discard"));
    QVERIFY(frame.close());
    QVERIFY(discard.done());
    QVERIFY(!frame.isVisible());
}

void DocumentWindowsTest::aTransferLocksTheFrame() {
    ProgramFolder folder({"Language=English"});
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
    CMainFrame& frame = *app.mainFrame();
    CommandActions& commands = frame.commands();
    emit frame.docManager().transferRunningChanged(true);
    // Only the commands that show parts of the window or help stay available.
    for (int id : command::All) {
        for (QAction* action : commands.actionsOf(id))
            QVERIFY2(action->isEnabled() == command::availableDuringTransfer(id),
                     qPrintable(QString::number(id)));
    }
    QVERIFY(commands.isEnabled(command::HelpTopics));
    // Neither the close box nor a routed Exit ends the program meanwhile.
    QVERIFY(!frame.close());
    frame.onCommand(command::AppExit);
    QVERIFY(frame.isVisible());

    emit frame.docManager().transferRunningChanged(false);
    QVERIFY(commands.isEnabled(command::Read));
    // An untouched new document closes without a question.
    ModalAnswerer noQuestion;
    QVERIFY(frame.close());
    QVERIFY(noQuestion.seen.isEmpty());
}

void DocumentWindowsTest::everyAcceleratorOfBothPacksHasOneOwner() {
    for (const char* language : {"English", "Chinese"}) {
        ProgramFolder folder({QStringLiteral("Language=") + language});
        CProgramApp app;
        QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
        CMainFrame& frame = *app.mainFrame();
        frame.docManager().activeFrame()->showMaximized();
        for (const PackAccelerator& accelerator :
             app.menus().accelerators(command::AcceleratorTable))
            QVERIFY2(ownersOf(frame, QKeySequence(accelerator.key)) == 1,
                     qPrintable(QString("%1: %2").arg(language, accelerator.key)));

        // Ctrl+W in the grid starts Write.
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QSignalSpy commands(&frame.commands(), &CommandActions::triggered);
        QWidget* grid = frame.activeView()->grid();
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(commands.size(), 1);
        QCOMPARE(commands[0].at(0).toInt(), command::Write);
        frame.activeView()->progressDialog()->close();
    }
}

GUI_TEST(DocumentWindowsTest);
#include "DocumentWindowsTest.moc"
