#include "HelpFiles.h"

#include "app/LanguagePack.h"
#include "common/CommandIds.h"
#include "help/HelpContexts.h"

#include <QHelpEngineCore>
#include <QHelpLink>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every command id a menu of the pack carries, popups included.
void collectCommands(const QList<PackMenuItem>& items, QList<int>& ids) {
    for (const PackMenuItem& item : items) {
        if (item.id > 0)
            ids.append(item.id);
        collectCommands(item.items, ids);
    }
}

bool pageHasAnchor(const QString& page, const QString& anchor) {
    const QRegularExpression named(
        QStringLiteral("(name|id)=\"%1\"").arg(QRegularExpression::escape(anchor)));
    return named.match(page).hasMatch();
}

} // namespace

class HelpContextsTest : public QObject {
    Q_OBJECT
private slots:
    void everyContextLeadsToATopicInBothFiles_data();
    void everyContextLeadsToATopicInBothFiles();
    void everyMenuCommandOfBothPacksHasAContext_data();
    void everyMenuCommandOfBothPacksHasAContext();
};

void HelpContextsTest::everyContextLeadsToATopicInBothFiles_data() {
    QTest::addColumn<QString>("helpFile");
    for (const char* name : HelpFileNames)
        QTest::newRow(name) << builtHelpFile(name);
}

// A context resolves when the file names a topic for it, the topic's page is in
// the file, and the page holds the anchor the topic points at.
void HelpContextsTest::everyContextLeadsToATopicInBothFiles() {
    QFETCH(QString, helpFile);
    QTemporaryDir dir;
    QHelpEngineCore engine(dir.filePath(QStringLiteral("contexts.qhc")));
    engine.setReadOnly(false);
    engine.setUsesFilterEngine(true);
    QVERIFY(engine.setupData());
    QVERIFY2(engine.registerDocumentation(helpFile), qPrintable(engine.error()));

    const QList<int> contexts = helpcontext::all();
    QVERIFY(contexts.size() > 50);
    for (int context : contexts) {
        const QList<QHelpLink> topics = engine.documentsForIdentifier(QString::number(context));
        QVERIFY2(!topics.isEmpty(), qPrintable(QStringLiteral("no topic for %1").arg(context)));
        for (const QHelpLink& topic : topics) {
            const QUrl page = topic.url.adjusted(QUrl::RemoveFragment);
            const QString text = QString::fromUtf8(engine.fileData(page));
            QVERIFY2(!text.isEmpty(), qPrintable(topic.url.toString()));
            if (topic.url.hasFragment())
                QVERIFY2(pageHasAnchor(text, topic.url.fragment()),
                         qPrintable(topic.url.toString()));
        }
    }
}

void HelpContextsTest::everyMenuCommandOfBothPacksHasAContext_data() {
    QTest::addColumn<QString>("pack");
    QTest::newRow("English") << QStringLiteral("English");
    QTest::newRow("Chinese") << QStringLiteral("Chinese");
}

// A pack may place any command in its menus; F1 on any of them must find a topic.
void HelpContextsTest::everyMenuCommandOfBothPacksHasAContext() {
    QFETCH(QString, pack);
    LanguagePack languagePack;
    QVERIFY(languagePack.load(LanguagePack::fileFor(QStringLiteral(PROGRAM_BIN_DIR "/"), pack)));
    QList<int> commands;
    collectCommands(languagePack.menus().menu(command::MenuNoDocument), commands);
    collectCommands(languagePack.menus().menu(command::MenuDocument), commands);
    QVERIFY(!commands.isEmpty());
    const QList<int> contexts = helpcontext::all();
    for (int id : std::as_const(commands))
        QVERIFY2(contexts.contains(id), qPrintable(QString::number(id)));
}

GUI_TEST(HelpContextsTest);

#include "HelpContextsTest.moc"
