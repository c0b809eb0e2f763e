#include "ShellTestSupport.h"

#include "app/LanguagePack.h"
#include "app/MenuPack.h"
#include "common/CommandIds.h"

#include <QTest>

namespace {

QString binFile(const char* name) {
    return QStringLiteral(PROGRAM_BIN_DIR "/") + name;
}

// A menu's command ids and separators, nesting in braces, texts left out.
QString shape(const QList<PackMenuItem>& items) {
    QStringList parts;
    for (const PackMenuItem& item : items) {
        if (item.separator)
            parts.append("-");
        else
            parts.append(item.isPopup() ? "{" + shape(item.items) + "}" : QString::number(item.id));
    }
    return parts.join(',');
}

// The letter after the first single '&' of a menu text, upper-cased; empty without one.
QString accessKey(const QString& text) {
    const QString label = text.section('\t', 0, 0);
    for (qsizetype i = 0; i + 1 < label.size(); ++i) {
        if (label[i] != '&')
            continue;
        if (label[i + 1] != '&')
            return label[i + 1].toUpper();
        ++i;
    }
    return {};
}

// Every item of `items` and of the popups below has an access key of its own
// among its neighbours; `where` names the menu in a failure.
void checkAccessKeys(const QList<PackMenuItem>& items, const QString& where) {
    QMap<QString, QString> taken;
    for (const PackMenuItem& item : items) {
        if (item.separator)
            continue;
        const QString key = accessKey(item.text);
        QVERIFY2(!key.isEmpty(), qPrintable(where + ": " + item.text));
        QVERIFY2(!taken.contains(key),
                 qPrintable(where + ": " + item.text + " and " + taken.value(key)));
        taken.insert(key, item.text);
        if (item.isPopup()) {
            checkAccessKeys(item.items, where + " > " + item.text);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

} // namespace

class LanguagePackTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWhatIsNoMenuTable_data();
    void refusesWhatIsNoMenuTable();
    void skipsEntriesOfTheWrongShapeAndCutsDeepNesting();
    void theShippedPacksCarryTheSameCommands();
    void everyMenuItemHasItsOwnAccessKey();
    void aFailedLoadLeavesNothingBehind();
};

void LanguagePackTest::refusesWhatIsNoMenuTable_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("\x89PNG\r\n");
    QTest::newRow("an array") << QByteArray("[1,2,3]");
    QTest::newRow("only the frame menu")
        << QByteArray(R"({"menus":{"128":[{"text":"&File","items":[{"id":57600}]}]}})");
    QTest::newRow("document menu not a list") << QByteArray(R"({"menus":{"129":"File"}})");
    QTest::newRow("truncated") << QByteArray(R"({"menus":{"129":[{"text":"&File","items":[)");
}

void LanguagePackTest::refusesWhatIsNoMenuTable() {
    QFETCH(QByteArray, json);
    QString error;
    QVERIFY(!MenuPack::parse(json, &error));
    QVERIFY(!error.isEmpty());
}

void LanguagePackTest::skipsEntriesOfTheWrongShapeAndCutsDeepNesting() {
    const std::optional<MenuPack> pack = MenuPack::parse(R"({
        "menus": {"129": [
            {"text": "&File", "items": [{"id": "57600"}, {"id": -1}, {"id": 70000}, {"id": 1.5},
                                        {"text": "no id"}, 5, null, {"id": 57601, "text": "&Open"},
                                        {"separator": true}]},
            "not a popup"], "x": []},
        "accelerators": {"128": [{"key": "Ctrl+N", "id": 57600}, {"key": "", "id": 57601}, "Ctrl+S"]},
        "toolbars": {"128": [57600, "57601", 0, {}, 57603]},
        "prompts": {"57600": "Create a new document\nNew", "57601": 12}
    })");
    QVERIFY(pack);
    QCOMPARE(shape(pack->menu(command::MenuDocument)), QString("{57601,-}"));
    QCOMPARE(pack->accelerators(command::AcceleratorTable).size(), 1);
    QCOMPARE(pack->toolbar(command::Toolbar), (QList<int>{57600, 0, 57603}));
    QCOMPARE(pack->prompt(57600).status, QString("Create a new document"));
    QCOMPARE(pack->prompt(57600).tip, QString("New"));
    QCOMPARE(pack->prompt(57601).status, QString());

    QByteArray popup = R"({"id": 57600})";
    for (int depth = 0; depth < 40; ++depth)
        popup = R"({"text": "p", "items": [)" + popup + "]}";
    const std::optional<MenuPack> deep = MenuPack::parse(R"({"menus":{"129":[)" + popup + "]}}");
    QVERIFY(deep);
    QVERIFY(shape(deep->menu(command::MenuDocument)).count('{') <= MenuPack::MaxDepth);
}

void LanguagePackTest::theShippedPacksCarryTheSameCommands() {
    LanguagePack english;
    LanguagePack chinese;
    QVERIFY(english.load(binFile("English.rcc")));
    QVERIFY(chinese.load(binFile("Chinese.rcc")));
    for (int menuId : {command::MenuNoDocument, command::MenuDocument})
        QCOMPARE(shape(chinese.menus().menu(menuId)), shape(english.menus().menu(menuId)));
    QCOMPARE(chinese.menus().toolbar(command::Toolbar), english.menus().toolbar(command::Toolbar));

    // Every command of the document menus has a prompt, translated.
    const QString ids = shape(english.menus().menu(command::MenuDocument));
    for (const QString& id : QString(ids).replace('{', ',').replace('}', ',').split(',')) {
        if (id.isEmpty() || id == "-")
            continue;
        QVERIFY2(!english.menus().prompt(id.toInt()).status.isEmpty(), qPrintable(id));
        QVERIFY2(chinese.menus().prompt(id.toInt()).status !=
                     english.menus().prompt(id.toInt()).status,
                 qPrintable(id));
    }

    // The packs place exactly the program's commands: none it does not know, and
    // every one it has somewhere in a menu, the toolbar or the accelerators.
    QSet<int> placed;
    for (int menuId : {command::MenuNoDocument, command::MenuDocument}) {
        QString menu = shape(english.menus().menu(menuId));
        for (const QString& id : menu.replace('{', ',').replace('}', ',').split(',')) {
            if (!id.isEmpty() && id != "-")
                placed.insert(id.toInt());
        }
    }
    for (int id : english.menus().toolbar(command::Toolbar))
        placed.insert(id);
    for (const PackAccelerator& key : english.menus().accelerators(command::AcceleratorTable))
        placed.insert(key.id);
    placed.remove(0); // toolbar separators
    const QSet<int> known(command::All.begin(), command::All.end());
    QCOMPARE(placed, known);

    QMap<QString, int> keys;
    for (const PackAccelerator& key : chinese.menus().accelerators(command::AcceleratorTable))
        keys.insert(key.key, key.id);
    QCOMPARE(keys, (QMap<QString, int>{{"Ctrl+N", 57600},
                                       {"Ctrl+O", 57601},
                                       {"Ctrl+S", 57603},
                                       {"Ctrl+P", 57607},
                                       {"Ctrl+R", 32773},
                                       {"Ctrl+W", 32774},
                                       {"Ctrl+B", 32772},
                                       {"Ctrl+Z", 57643},
                                       {"Ctrl+Y", 57644},
                                       {"Ctrl+Shift+Z", 57644},
                                       {"Ctrl+X", 57635},
                                       {"Ctrl+C", 57634},
                                       {"Ctrl+V", 57637},
                                       {"Alt+Up", 32962},
                                       {"Alt+Down", 32963},
                                       {"Ctrl+F", 32983},
                                       {"F3", 32984},
                                       {"Shift+F3", 32985},
                                       {"F1", 57670}}));
}

void LanguagePackTest::everyMenuItemHasItsOwnAccessKey() {
    for (const char* name : {"English.rcc", "Chinese.rcc"}) {
        LanguagePack pack;
        QVERIFY(pack.load(binFile(name)));
        for (int menuId : {command::MenuNoDocument, command::MenuDocument}) {
            checkAccessKeys(pack.menus().menu(menuId),
                            QString("%1 menu bar %2").arg(name).arg(menuId));
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void LanguagePackTest::aFailedLoadLeavesNothingBehind() {
    QTemporaryDir dir;
    QFile garbage(dir.path() + "/English.rcc");
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, '\x5A'));
    garbage.close();

    LanguagePack pack;
    for (const QString& file : {garbage.fileName(), dir.path(), dir.path() + "/.rcc"})
        QVERIFY2(!pack.load(file) && !pack.isLoaded(), qPrintable(file));
    // The real pack of the same name still loads, and loads again after unloading.
    for (int round = 0; round < 2; ++round) {
        QVERIFY(pack.load(binFile("English.rcc")));
        pack.unload();
        QVERIFY(!QFile::exists(":/pack/English/menus.json"));
    }
}

GUI_TEST(LanguagePackTest);
#include "LanguagePackTest.moc"
