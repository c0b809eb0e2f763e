#include "ShellTestSupport.h"

#include "app/MainFrame.h"
#include "app/MessageIds.h"
#include "app/NavigationBar.h"
#include "app/ProgramApp.h"
#include "channels/ChildFrame.h"
#include "common/CommandIds.h"
#include "common/SettingsText.h"
#include "common/StringTable.h"
#include "model/MyDocManager.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void aMissingOrBrokenPackEndsTheProgramBeforeAnyWindow_data();
    void aMissingOrBrokenPackEndsTheProgramBeforeAnyWindow();
    void aLowerCaseChineseRunsInEnglish();
    void languageItemFollowsShowLang_data();
    void languageItemFollowsShowLang();
    void editMenuLosesTheServiceAndSignallingItems();
    void englishRun();
    void chineseRun();
    void enableSqlIsWrittenBackAtExit_data();
    void enableSqlIsWrittenBackAtExit();
    void splashWaitsOnlyWhenItsPictureLoads();
};

void StartupTest::aMissingOrBrokenPackEndsTheProgramBeforeAnyWindow_data() {
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("brokenPack"); // a file of that name with garbage in it
    QTest::addColumn<QString>("missingPack");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("okButton");
    const QString english = QStringLiteral("Load language DLL fail");
    const QString chinese = QStringLiteral("加载语言链接库失败");
    QTest::newRow("no Language key") << QStringList() << QString() << QString() << english << "OK";
    QTest::newRow("empty Language")
        << QStringList{"Language="} << ".rcc" << QString() << english << "OK";
    QTest::newRow("no such pack") << QStringList{"Language=Klingon"} << QString() << QString()
                                  << english << "OK";
    QTest::newRow("pack is not a resource")
        << QStringList{"Language=English"} << "English.rcc" << QString() << english << "OK";
    QTest::newRow("Chinese pack missing")
        << QStringList{"Language=Chinese"} << QString() << "Chinese.rcc" << chinese << "确定";
}

void StartupTest::aMissingOrBrokenPackEndsTheProgramBeforeAnyWindow() {
    QFETCH(QStringList, setup);
    QFETCH(QString, brokenPack);
    QFETCH(QString, missingPack);
    QFETCH(QString, message);
    QFETCH(QString, okButton);
    ProgramFolder folder(setup);
    if (!brokenPack.isEmpty())
        folder.write(brokenPack, "this is not a language pack");
    if (!missingPack.isEmpty())
        folder.remove(missingPack);

    ModalAnswerer answers;
    bool mainFrameExisted = false;
    answers.inspect = [&mainFrameExisted](QDialog*) { mainFrameExisted = findMainFrame(); };
    const int status = CProgramApp::run({folder.argv0(), "--no-splash"});
    QCOMPARE(status, 1);
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(answers.seen[0].text, message);
    QCOMPARE(answers.seen[0].buttons, QStringList{okButton});
    QVERIFY(!mainFrameExisted);
    QVERIFY(!findMainFrame());
}

void StartupTest::aLowerCaseChineseRunsInEnglish() {
    // The name picks the pack file; only the exact "Chinese" picks the program's
    // own Chinese texts and help file.
    ProgramFolder folder({"Language=chinese"});
    folder.copyFromBin("Chinese.rcc", "chinese.rcc");
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
    QCOMPARE(app.state().language, program::Language::English);
    QCOMPARE(app.state().helpFile, std::string("enHelp.qch"));
    QVERIFY(app.languagePack().fileName().endsWith("/chinese.rcc"));
    QCOMPARE(app.mainFrame()->navigationBar()->root()->child(0)->text(0),
             QString("Channel Information"));
}

void StartupTest::languageItemFollowsShowLang_data() {
    QTest::addColumn<QString>("showLang");
    QTest::addColumn<QList<int>>("setupMenu");
    const QList<int> both = {command::ComSetup, command::ConnectionCheck, command::Language};
    const QList<int> comOnly = {command::ComSetup, command::ConnectionCheck};
    QTest::newRow("missing") << QString() << comOnly;
    QTest::newRow("0") << "ShowLang=0" << comOnly;
    QTest::newRow("1") << "ShowLang=1" << both;
    QTest::newRow("2 with a comment") << "ShowLang=2 // shown" << both;
    QTest::newRow("beyond int") << "ShowLang=99999999999999999999" << both;
}

void StartupTest::languageItemFollowsShowLang() {
    QFETCH(QString, showLang);
    QFETCH(QList<int>, setupMenu);
    QStringList setup{"Language=English"};
    if (!showLang.isEmpty())
        setup.append(showLang);
    ProgramFolder folder(setup);
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
    QMenu* menu = documentMenu(*app.mainFrame(), "&Setup");
    QVERIFY(menu);
    QCOMPARE(app.mainFrame()->documentMenus().indexOf(menu), 3);
    QCOMPARE(commandIds(*menu), setupMenu);
}

void StartupTest::editMenuLosesTheServiceAndSignallingItems() {
    ProgramFolder folder({"Language=English", "ShowLang=1"});
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
    CMainFrame& frame = *app.mainFrame();
    const QList<int> edit = commandIds(*documentMenu(frame, "&Edit"));
    QCOMPARE(edit.mid(edit.indexOf(command::ChannelInformation)),
             (QList<int>{command::ChannelInformation, command::OptionalFeatures,
                         command::SoftwareInfo}));
    // The pack's own menus still reach every editor.
    QCOMPARE(commandIds(*documentMenu(frame, "Si&gnalling")),
             (QList<int>{command::Dtmf, command::TwoTone, command::Msk, command::KeyAssignment}));
    QCOMPARE(commandIds(*documentMenu(frame, "Se&rvice")),
             (QList<int>{command::SquelchTuning, command::ParameterAdjust}));
}

void StartupTest::englishRun() {
    ProgramFolder folder({"Language=English", "AppName=Acme", "ShowLang=1"},
                         ProgramFolder::Pictures);
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
    CMainFrame& frame = *app.mainFrame();
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.windowTitle(), QString(ProgramFolder::EnglishTitle));
    QCOMPARE(app.state().messageCaption, std::string(ProgramFolder::EnglishCompany));
    QCOMPARE(app.state().userSettingsName, std::string("Acme"));
    QCOMPARE(app.state().programDirectory, folder.path().toStdString());
    QCOMPARE(frame.findChild<QLabel*>("MessagePane")->text(), QString("Ready"));
    QCOMPARE(stringTable(program::message::AllDataCleared), QString("All data will be Cleared!"));

    // title.ico marks every window, a document window opened later too.
    QVERIFY(!QApplication::windowIcon().isNull());
    auto* later = frame.docManager().createNewDocument();
    QVERIFY(later);
    QCOMPARE(later->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}

void StartupTest::chineseRun() {
    ProgramFolder folder({"Language=Chinese", "ShowLang=1"});
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
    CMainFrame& frame = *app.mainFrame();
    QCOMPARE(app.state().language, program::Language::Chinese);
    QCOMPARE(app.state().helpFile, std::string("chHelp.qch"));
    QCOMPARE(frame.windowTitle(), QString::fromUtf8(ProgramFolder::ChineseTitle));
    QCOMPARE(app.state().messageCaption, std::string(ProgramFolder::ChineseCompany));
    QStringList titles;
    for (QMenu* menu : frame.documentMenus())
        titles.append(menu->title());
    QCOMPARE(titles, (QStringList{"文件(&F)", "编辑(&E)", "写频(&P)", "设置(&S)", "信令(&G)",
                                  "调试(&R)", "查看(&V)", "帮助(&H)"}));
    QMenu* edit = documentMenu(frame, "编辑(&E)");
    QCOMPARE(edit->actions().first()->text(), QString("撤销(&U)\tCtrl+Z"));
    QCOMPARE(frame.findChild<QLabel*>("MessagePane")->text(), QString("就绪"));
    QTreeWidgetItem* root = frame.navigationBar()->root();
    QCOMPARE(root->text(0), QString::fromUtf8(ProgramFolder::ChineseCompany));
    QCOMPARE(
        (QStringList{root->child(0)->text(0), root->child(1)->text(0), root->child(2)->text(0)}),
        (QStringList{"信道信息", "可选功能", "软件信息"}));
    // Every message of the string table has its Chinese form.
    for (int id = program::message::OutOfRange; id <= program::message::Caution; ++id)
        QVERIFY2(stringTable(id) != QString::fromUtf8(program::message::englishText(id)),
                 qPrintable(QString::number(id)));
    QCOMPARE(stringTable(program::message::AllDataCleared), QString("所有数据将被清除！"));
    // Settings written by a Chinese Windows system hold GBK bytes.
    QCOMPARE(fromSettings("\xD0\xC5\xB5\xC0\xD0\xC5\xCF\xA2"), QString("信道信息"));

    app.exitInstance();
    // Leaving the run takes the pack's texts away again.
    QCOMPARE(stringTable(program::message::AllDataCleared), QString("All data will be Cleared!"));
}

void StartupTest::enableSqlIsWrittenBackAtExit_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("switchDuringRun");
    QTest::addColumn<QString>("expectedLine"); // empty: the file stays byte for byte
    QTest::newRow("missing is added as 0") << QString() << false << "EnableSql=0";
    QTest::newRow("1 unchanged") << "EnableSql=1" << false << QString();
    QTest::newRow("7 unchanged keeps 7") << "EnableSql=7" << false << QString();
    QTest::newRow("1 switched off") << "EnableSql=1" << true << "EnableSql=0";
}

void StartupTest::enableSqlIsWrittenBackAtExit() {
    QFETCH(QString, line);
    QFETCH(bool, switchDuringRun);
    QFETCH(QString, expectedLine);
    QStringList setup{"Language=English"};
    if (!line.isEmpty())
        setup.append(line);
    ProgramFolder folder(setup);
    const QByteArray before = folder.read("Program.ini");
    {
        CProgramApp app;
        QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
        QCOMPARE(app.state().squelchWrite, line.endsWith('1') || line.endsWith('7'));
        if (switchDuringRun)
            app.state().squelchWrite = !app.state().squelchWrite;
        QCOMPARE(folder.read("Program.ini"), before); // nothing is written before the end
    }
    const QByteArray after = folder.read("Program.ini");
    if (expectedLine.isEmpty()) {
        QCOMPARE(after, before);
    } else {
        QVERIFY2(after.contains("\r\n" + expectedLine.toUtf8() + "\r\n"), after.constData());
        QCOMPARE(after.count("EnableSql="), 1);
    }
}

void StartupTest::splashWaitsOnlyWhenItsPictureLoads() {
    ProgramFolder folder({"Language=English"}, ProgramFolder::Pictures);
    {
        QElapsedTimer clock;
        clock.start();
        CProgramApp app;
        QVERIFY(app.initInstance({folder.argv0()}));
        QVERIFY(app.splashShown());
        QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
    }
    folder.remove("startup.bmp");
    {
        QElapsedTimer clock;
        clock.start();
        CProgramApp app;
        QVERIFY(app.initInstance({folder.argv0()}));
        QVERIFY(!app.splashShown());
        QVERIFY2(clock.elapsed() < 900, qPrintable(QString::number(clock.elapsed())));
    }
}

GUI_TEST(StartupTest);
#include "StartupTest.moc"
