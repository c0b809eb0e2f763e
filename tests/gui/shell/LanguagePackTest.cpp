#include "ShellTestSupport.h"

#include "app/CommandIds.h"
#include "app/LanguagePack.h"
#include "app/MenuPack.h"

#include <QTest>

namespace {

QString binFile(const char* name) {
    return QStringLiteral(PROGRAM_BIN_DIR "/") + name;
}

// A menu as "title{id,id,-,sub{...}}" with the texts left out, for comparing the
// shape of two packs.
QString shape(const QList<PackMenuItem>& items) {
    QStringList parts;
    for (const PackMenuItem& item : items) {
        if (item.separator)
            parts.append("-");
        else if (item.isPopup())
            parts.append("{" + shape(item.items) + "}");
        else
            parts.append(QString::number(item.id));
    }
    return parts.join(',');
}

void collectIds(const QList<PackMenuItem>& items, QSet<int>& ids) {
    for (const PackMenuItem& item : items) {
        if (item.isPopup())
            collectIds(item.items, ids);
        else if (!item.separator)
            ids.insert(item.id);
    }
}

} // namespace

class LanguagePackTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWhatIsNoMenuTable_data();
    void refusesWhatIsNoMenuTable();
    void skipsEntriesOfTheWrongShape();
    void deepNestingIsCut();
    void promptsSplitIntoStatusTextAndTip();
    void theShippedPacksCarryTheSameCommands();
    void aFailedLoadLeavesNothingBehind();
};

void LanguagePackTest::refusesWhatIsNoMenuTable_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("\x89PNG\r\n");
    QTest::newRow("an array") << QByteArray("[1,2,3]");
    QTest::newRow("no menus") << QByteArray(R"({"toolbars":{"128":[57600]}})");
    QTest::newRow("only the frame menu") << QByteArray(
        R"({"menus":{"128":[{"text":"&File","items":[{"id":57600,"text":"New"}]}]}})");
    QTest::newRow("document menu not a list") << QByteArray(R"({"menus":{"129":"File"}})");
    QTest::newRow("truncated") << QByteArray(R"({"menus":{"129":[{"text":"&File","items":[)");
}

void LanguagePackTest::refusesWhatIsNoMenuTable() {
    QFETCH(QByteArray, json);
    QString error;
    QVERIFY(!MenuPack::parse(json, &error));
    QVERIFY(!error.isEmpty());
}

void LanguagePackTest::skipsEntriesOfTheWrongShape() {
    const std::optional<MenuPack> pack = MenuPack::parse(R"({
        "menus": {"129": [
            {"text": "&File", "items": [
                {"id": "57600", "text": "id as text"},
                {"id": -1, "text": "negative"},
                {"id": 70000, "text": "too large"},
                {"id": 1.5, "text": "fraction"},
                {"text": "no id"},
                5, null,
                {"id": 57601, "text": "&Open"},
                {"separator": true}
            ]},
            "not a popup",
            {"text": "&Edit", "items": []}
        ], "x": [], "-5": []},
        "accelerators": {"128": [{"key": "Ctrl+N", "id": 57600}, {"key": "", "id": 57601},
                                 {"key": "Ctrl+O"}, "Ctrl+S"]},
        "toolbars": {"128": [57600, "57601", 0, {}, 57603]}
    })");
    QVERIFY(pack);
    const QList<PackMenuItem> menu = pack->menu(command::MenuDocument);
    QCOMPARE(menu.size(), 2);
    QCOMPARE(menu[0].text, QString("&File"));
    QCOMPARE(shape(menu[0].items), QString("57601,-"));
    QCOMPARE(menu[1].items.size(), 0);
    QCOMPARE(pack->accelerators(command::AcceleratorTable).size(), 1);
    QCOMPARE(pack->accelerators(command::AcceleratorTable)[0].id, command::FileNew);
    QCOMPARE(pack->toolbar(command::Toolbar), (QList<int>{57600, 0, 57603}));
    QVERIFY(pack->menu(command::MenuNoDocument).isEmpty());
}

void LanguagePackTest::deepNestingIsCut() {
    QByteArray popup = R"({"id": 57600, "text": "New"})";
    for (int depth = 0; depth < 40; ++depth)
        popup = R"({"text": "p", "items": [)" + popup + "]}";
    const std::optional<MenuPack> pack = MenuPack::parse(R"({"menus":{"129":[)" + popup + "]}}");
    QVERIFY(pack);
    int depth = 0;
    QList<PackMenuItem> level = pack->menu(command::MenuDocument);
    while (!level.isEmpty() && level[0].isPopup()) {
        ++depth;
        level = level[0].items;
    }
    QVERIFY(depth <= MenuPack::MaxDepth);
}

void LanguagePackTest::promptsSplitIntoStatusTextAndTip() {
    const std::optional<MenuPack> pack = MenuPack::parse(R"({
        "menus": {"129": [{"text": "&File", "items": [{"id": 57600, "text": "&New"}]}]},
        "prompts": {"57600": "Create a new document\nNew", "57601": "Open only",
                    "57603": "Save\nSave\nmore", "57604": 12}
    })");
    QVERIFY(pack);
    QCOMPARE(pack->prompt(57600).status, QString("Create a new document"));
    QCOMPARE(pack->prompt(57600).tip, QString("New"));
    QCOMPARE(pack->prompt(57601).status, QString("Open only"));
    QCOMPARE(pack->prompt(57601).tip, QString());
    QCOMPARE(pack->prompt(57603).tip, QString("Save\nmore"));
    QCOMPARE(pack->prompt(57604).status, QString());
}

void LanguagePackTest::theShippedPacksCarryTheSameCommands() {
    LanguagePack english;
    QVERIFY(english.load(binFile("English.rcc")));
    LanguagePack chinese;
    QVERIFY(chinese.load(binFile("Chinese.rcc")));
    for (int menuId : {command::MenuNoDocument, command::MenuDocument}) {
        QVERIFY(!english.menus().menu(menuId).isEmpty());
        QCOMPARE(shape(chinese.menus().menu(menuId)), shape(english.menus().menu(menuId)));
    }
    QCOMPARE(chinese.menus().toolbar(command::Toolbar), english.menus().toolbar(command::Toolbar));

    QSet<int> ids;
    collectIds(english.menus().menu(command::MenuDocument), ids);
    for (int id : {command::FileNew,
                   command::FileOpen,
                   command::FileClose,
                   command::FileSave,
                   command::FileSaveAs,
                   command::FilePrint,
                   command::FilePrintPreview,
                   command::FilePrintSetup,
                   command::AppExit,
                   command::ChannelInformation,
                   command::OptionalFeatures,
                   command::Dtmf,
                   command::Msk,
                   command::TwoTone,
                   command::KeyAssignment,
                   command::SquelchTuning,
                   command::SoftwareInfo,
                   command::ParameterAdjust,
                   command::Read,
                   command::Write,
                   command::ComSetup,
                   command::Language,
                   command::ViewToolbar,
                   command::ViewStatusBar,
                   command::ControlBar,
                   command::HelpTopics,
                   command::About})
        QVERIFY2(ids.contains(id), qPrintable(QString::number(id)));
    // Every command has its prompt in both languages, and they differ.
    for (int id : ids) {
        QVERIFY2(!english.menus().prompt(id).status.isEmpty(), qPrintable(QString::number(id)));
        QVERIFY2(chinese.menus().prompt(id).status != english.menus().prompt(id).status,
                 qPrintable(QString::number(id)));
    }

    QMap<QString, int> keys;
    for (const PackAccelerator& accelerator :
         english.menus().accelerators(command::AcceleratorTable))
        keys.insert(accelerator.key, accelerator.id);
    const QMap<QString, int> expected{{"Ctrl+N", 57600}, {"Ctrl+O", 57601}, {"Ctrl+S", 57603},
                                      {"Ctrl+P", 57607}, {"Ctrl+R", 32773}, {"Ctrl+W", 32774},
                                      {"Ctrl+B", 32772}, {"F1", 57670}};
    QCOMPARE(keys, expected);
}

void LanguagePackTest::aFailedLoadLeavesNothingBehind() {
    QTemporaryDir dir;
    const QString garbage = dir.path() + "/English.rcc";
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5A'));
    file.close();

    LanguagePack pack;
    QVERIFY(!pack.load(garbage));
    QVERIFY(!pack.isLoaded());
    QVERIFY(!pack.load(dir.path()));                  // a folder
    QVERIFY(!pack.load(dir.path() + "/.rcc"));        // the empty language name
    QVERIFY(!pack.load(dir.path() + "/Nothing.rcc")); // no file
    // The real pack of the same name still loads, and loads again after unloading.
    for (int round = 0; round < 2; ++round) {
        QVERIFY(pack.load(binFile("English.rcc")));
        QVERIFY(pack.isLoaded());
        pack.unload();
        QVERIFY(!QFile::exists(":/pack/English/menus.json"));
    }
}

SHELL_TEST(LanguagePackTest);
#include "LanguagePackTest.moc"
