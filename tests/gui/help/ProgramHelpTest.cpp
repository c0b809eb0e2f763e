#include "HelpFiles.h"

#include "app/LanguageDlg.h"
#include "app/MainFrame.h"
#include "app/NavigationBar.h"
#include "app/ProgramApp.h"
#include "app/ProgramRestarter.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelTableModel.h"
#include "channels/ProgramView.h"
#include "common/CommandIds.h"
#include "help/HelpContexts.h"
#include "help/HelpViewer.h"
#include "link/PortSettingDlg.h"
#include "link/ProgressDlg.h"
#include "support/ModalAnswerer.h"
#include "support/ProgramFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <deque>
#include <functional>

using testsupport::ModalAnswerer;
using testsupport::ProgramFolder;

namespace {

class RecordingRestarter : public ProgramRestarter {
public:
    void restart(const QString& executable) override { started.append(executable); }
    QStringList started;
};

void pressF1On(QWidget* widget) {
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_F1);
}

// Types a receive frequency into channel 1 and leaves the cell, as a user would.
void typeChannel(ChannelGrid& grid) {
    grid.setCurrentIndex(grid.channelModel()->index(0, 0));
    QWidget* editor = grid.openEditor();
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("145.5"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(grid.channelModel()->index(0, 0).data().toString(), QStringLiteral("145.50000"));
}

QAbstractButton* dialogButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    for (auto* box : dialog->findChildren<QDialogButtonBox*>())
        if (QAbstractButton* button = box->button(which))
            return button;
    return nullptr;
}

// The Language dialog's answer of most tests: Chinese, OK.
void chooseChinese(QWidget* modal) {
    auto* dialog = qobject_cast<LanguageDlg*>(modal);
    QVERIFY(dialog);
    dialog->button(program::Language::Chinese)->click();
    dialogButton(dialog, QDialogButtonBox::Ok)->click();
}

} // namespace

class ProgramHelpTest : public QObject {
    Q_OBJECT
private slots:
    void f1InEachWindowAsksForItsTopic_data();
    void f1InEachWindowAsksForItsTopic();
    void helpTopicsOpensTheFirstPage();
    void languageChangeWritesTheSettingAndRestarts();
    void sameLanguageOrCancelChangesNothing();
    void cancelAtTheUnsavedQuestionKeepsTheLanguage();
    void languageThatCannotBeStoredKeepsTheProgramOpen();

private:
    struct Run {
        std::unique_ptr<ProgramFolder> folder;
        std::unique_ptr<CProgramApp> app;
        RecordingRestarter* restarter = nullptr;
        CMainFrame* frame = nullptr;
    };
    static Run start(const QString& language);
};

ProgramHelpTest::Run ProgramHelpTest::start(const QString& language) {
    Run run;
    run.folder = std::make_unique<ProgramFolder>(QStringList{"Language=" + language, "ShowLang=1"},
                                                 ProgramFolder::HelpFiles);
    run.app = std::make_unique<CProgramApp>();
    auto restarter = std::make_unique<RecordingRestarter>();
    run.restarter = restarter.get();
    run.app->setRestarter(std::move(restarter));
    if (!run.app->initInstance({run.folder->argv0(), QStringLiteral("--no-splash")}))
        return run;
    run.frame = run.app->mainFrame();
    run.frame->activateWindow();
    if (!QTest::qWaitForWindowActive(run.frame))
        qWarning("the main window did not become active");
    return run;
}

void ProgramHelpTest::f1InEachWindowAsksForItsTopic_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("English") << "English"
                             << "enHelp.qch";
    QTest::newRow("Chinese") << "Chinese"
                             << "chHelp.qch";
}

void ProgramHelpTest::f1InEachWindowAsksForItsTopic() {
    QFETCH(QString, language);
    QFETCH(QString, helpFile);
    Run run = start(language);
    QVERIFY(run.frame);
    QSignalSpy asked(run.app.get(), &CProgramApp::helpRequested);
    const auto expectAsked = [&](int context) {
        QTRY_COMPARE(asked.size(), 1);
        const QVariantList request = asked.takeFirst();
        QCOMPARE(request.value(0).toString(), helpFile);
        QCOMPARE(request.value(1).toInt(), context);
    };

    // The main window and its navigation bar.
    pressF1On(run.frame->mdiArea());
    expectAsked(helpcontext::MainWindow);
    pressF1On(run.frame->navigationBar()->tree());
    expectAsked(1030);

    // The channel grid: the editor of each column, then the grid without one.
    ChannelGrid* grid = run.frame->activeView()->grid();
    const QList<QPair<int, int>> columns = {{0, 2127}, {1, 2128}, {2, 2132}, {3, 2133}, {4, 1126},
                                            {5, 1129}, {6, 1128}, {7, 1134}, {8, 1130}};
    // A channel first, so that every column has its editor.
    typeChannel(*grid);
    for (const auto& [column, context] : columns) {
        grid->setCurrentIndex(grid->channelModel()->index(0, column));
        QVERIFY(grid->openEditor());
        pressF1On(grid->openEditor());
        expectAsked(context);
    }
    grid->setCurrentIndex(grid->channelModel()->index(1, 0));
    QTest::keyClick(grid->openEditor(), Qt::Key_Escape);
    pressF1On(grid);
    expectAsked(1022);

    // A highlighted menu item asks for its command.
    QMenu* program = run.frame->documentMenus().value(2);
    program->popup(run.frame->mapToGlobal(QPoint(40, 40)));
    QVERIFY(QTest::qWaitForWindowExposed(program));
    program->setActiveAction(program->actions().first());
    QTest::keyClick(program, Qt::Key_F1);
    expectAsked(command::Read);

    // The progress window: Start and Cancel.
    run.frame->onCommand(command::Read);
    CProgressDlg* progress = run.frame->activeView()->progressDialog();
    QVERIFY(progress->isVisible());
    pressF1On(progress->startButton());
    expectAsked(1);
    pressF1On(progress->cancelButton());
    expectAsked(2);
    progress->cancelButton()->click();

    // The modal dialogs: Port Setting, Language, About.
    ModalAnswerer steps({
        [&](QWidget* portSetting) {
            auto* dialog = qobject_cast<CPortSettingDlg*>(portSetting);
            QVERIFY(dialog);
            pressF1On(dialog->portButton(3));
            pressF1On(dialogButton(dialog, QDialogButtonBox::Ok));
            dialog->reject();
        },
        [&](QWidget* languageDialog) {
            auto* dialog = qobject_cast<LanguageDlg*>(languageDialog);
            QVERIFY(dialog);
            pressF1On(dialog->button(program::Language::Chinese));
            pressF1On(dialogButton(dialog, QDialogButtonBox::Cancel));
            dialog->reject();
        },
        [&](QWidget* about) {
            pressF1On(dialogButton(about, QDialogButtonBox::Ok));
            static_cast<QDialog*>(about)->accept();
        },
    });
    run.frame->onCommand(command::ComSetup);
    run.frame->onCommand(command::Language);
    run.frame->onCommand(command::About);
    QVERIFY(steps.done());
    QList<int> dialogContexts;
    for (const QVariantList& request : std::as_const(asked)) {
        QCOMPARE(request.value(0).toString(), helpFile);
        dialogContexts.append(request.value(1).toInt());
    }
    QCOMPARE(dialogContexts, QList<int>({1009, 1, command::Language, 2, 1}));
    asked.clear();

    // The help window shows the topic of the last request.
    pressF1On(grid);
    expectAsked(1022);
    HelpViewer* viewer = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<HelpViewer*>(window);
            candidate && candidate->isVisible())
            viewer = candidate;
    QVERIFY(viewer);
    QCOMPARE(QFileInfo(viewer->helpFile()).fileName(), helpFile);
    QCOMPARE(viewer->currentUrl().fileName(), QStringLiteral("channels.html"));
}

void ProgramHelpTest::helpTopicsOpensTheFirstPage() {
    Run run = start(QStringLiteral("English"));
    QSignalSpy asked(run.app.get(), &CProgramApp::helpRequested);
    run.frame->onCommand(command::HelpTopics);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first(),
             QVariantList({QStringLiteral("enHelp.qch"), helpcontext::DefaultTopic}));
    HelpViewer* viewer = run.frame->findChild<HelpViewer*>();
    QVERIFY(viewer && viewer->isVisible());
    QTRY_COMPARE(viewer->currentUrl().fileName(), QStringLiteral("index.html"));
}

void ProgramHelpTest::languageChangeWritesTheSettingAndRestarts() {
    Run run = start(QStringLiteral("English"));
    ModalAnswerer steps({chooseChinese});
    run.frame->onCommand(command::Language);
    QVERIFY(steps.done());
    QVERIFY(run.folder->read(QStringLiteral("Program.ini")).contains("Language=Chinese"));
    QCOMPARE(run.restarter->started, QStringList{run.folder->argv0()});
    QVERIFY(!run.frame->isVisible());
}

void ProgramHelpTest::sameLanguageOrCancelChangesNothing() {
    Run run = start(QStringLiteral("Chinese"));
    const QByteArray before = run.folder->read(QStringLiteral("Program.ini"));
    ModalAnswerer steps({
        [](QWidget* modal) {
            auto* dialog = qobject_cast<LanguageDlg*>(modal);
            QVERIFY(dialog->button(program::Language::Chinese)->isChecked());
            dialogButton(dialog, QDialogButtonBox::Ok)->click();
        },
        [](QWidget* modal) {
            auto* dialog = qobject_cast<LanguageDlg*>(modal);
            dialog->button(program::Language::English)->click();
            dialogButton(dialog, QDialogButtonBox::Cancel)->click();
        },
    });
    run.frame->onCommand(command::Language);
    run.frame->onCommand(command::Language);
    QVERIFY(steps.done());
    QCOMPARE(run.folder->read(QStringLiteral("Program.ini")), before);
    QVERIFY(run.restarter->started.isEmpty());
    QVERIFY(run.frame->isVisible());
}

void ProgramHelpTest::cancelAtTheUnsavedQuestionKeepsTheLanguage() {
    Run run = start(QStringLiteral("English"));
    typeChannel(*run.frame->activeView()->grid());
    const QByteArray before = run.folder->read(QStringLiteral("Program.ini"));

    QString question;
    ModalAnswerer steps({
        chooseChinese,
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            question = box->text();
            QVERIFY(box->escapeButton());
            box->escapeButton()->click();
        },
    });
    run.frame->onCommand(command::Language);
    QVERIFY(steps.done());
    QVERIFY(!question.isEmpty());
    QCOMPARE(run.folder->read(QStringLiteral("Program.ini")), before);
    QVERIFY(run.restarter->started.isEmpty());
    QVERIFY(run.frame->isVisible());
}

void ProgramHelpTest::languageThatCannotBeStoredKeepsTheProgramOpen() {
    Run run = start(QStringLiteral("English"));
    run.folder->removeAll();
    QString warning;
    ModalAnswerer steps({
        chooseChinese,
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            warning = box->text();
            box->accept();
        },
    });
    run.frame->onCommand(command::Language);
    QVERIFY(steps.done());
    QVERIFY(warning.contains(QStringLiteral("Program.ini")));
    QVERIFY(run.restarter->started.isEmpty());
    QVERIFY(run.frame->isVisible());
}

GUI_TEST(ProgramHelpTest);

#include "ProgramHelpTest.moc"
