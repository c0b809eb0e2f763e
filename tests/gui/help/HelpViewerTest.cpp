#include "HelpFiles.h"

#include "app/ProgramState.h"
#include "help/HelpBrowser.h"
#include "help/HelpContexts.h"
#include "help/HelpController.h"
#include "help/HelpViewer.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString page(const QUrl& url) {
    return url.adjusted(QUrl::RemoveFragment).fileName();
}

QString firstLink(const QString& html) {
    const int start = html.indexOf(QStringLiteral("href=\"")) + 6;
    return html.mid(start, html.indexOf(QLatin1Char('"'), start) - start);
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void opensAtAContextOrTheFirstPage();
    void indexOffersEveryTopicOfAKeywordAndSearchFindsPages();
    void missingFileIsNamedAndRequestsDoNothing();
    void oneWindowPerFileAndNeverBlockedByADialog();

private:
    QTemporaryDir m_dir;
    int m_collections = 0;
    QString collection() { return m_dir.filePath(QStringLiteral("c%1.qhc").arg(++m_collections)); }
};

void HelpViewerTest::opensAtAContextOrTheFirstPage() {
    for (const char* name : HelpFileNames) {
        HelpViewer viewer(builtHelpFile(name), collection());
        viewer.show();
        QVERIFY(viewer.isAvailable());
        viewer.showContext(2128);
        QCOMPARE(page(viewer.currentUrl()), QStringLiteral("channels.html"));
        QCOMPARE(viewer.currentUrl().fragment(), QStringLiteral("tx"));
        // The page came out of the help file, not an empty document.
        QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("136.00000")));
        QVERIFY(viewer.noteLabel()->isHidden());

        // Help Topics: the first page of the contents, read in the background.
        viewer.showContext(helpcontext::DefaultTopic);
        QTRY_COMPARE(page(viewer.currentUrl()), QStringLiteral("index.html"));

        // A context without a topic says so over the first page.
        viewer.showContext(2128);
        viewer.showContext(4242);
        QCOMPARE(page(viewer.currentUrl()), QStringLiteral("index.html"));
        QVERIFY(viewer.noteLabel()->isVisible());
        QVERIFY(viewer.noteLabel()->text().contains(QStringLiteral("4242")));

        // Esc closes the help window.
        QApplication::setActiveWindow(&viewer);
        QTest::keyClick(viewer.browser(), Qt::Key_Escape);
        QVERIFY(viewer.isHidden());
    }
    // The Chinese file explains the same topic in Chinese.
    HelpViewer chinese(builtHelpFile("chHelp.qch"), collection());
    chinese.showContext(2127);
    QVERIFY(chinese.browser()->toPlainText().contains(QStringLiteral("接收频率")));
}

void HelpViewerTest::indexOffersEveryTopicOfAKeywordAndSearchFindsPages() {
    HelpViewer viewer(builtHelpFile("enHelp.qch"), collection());
    viewer.show();
    auto* filter = viewer.findChild<QLineEdit*>(QStringLiteral("HelpIndexFilter"));
    QHelpIndexWidget* index = viewer.engine()->indexWidget();
    QTRY_VERIFY(index->model()->rowCount() > 50);

    // "Cancel" has a topic in three places: the first shows, the others are offered.
    QTest::keyClicks(filter, QStringLiteral("Cancel"));
    QTRY_COMPARE(index->model()->rowCount(), 1);
    index->setCurrentIndex(index->model()->index(0, 0));
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(page(viewer.currentUrl()), QStringLiteral("buttons.html"));
    const QString note = viewer.noteLabel()->text();
    QVERIFY(viewer.noteLabel()->isVisible());
    QVERIFY2(note.contains(QStringLiteral("port-setting.html")), qPrintable(note));
    QVERIFY2(note.contains(QStringLiteral("progress-dialog.html")), qPrintable(note));
    emit viewer.noteLabel()->linkActivated(firstLink(note));
    QVERIFY(page(viewer.currentUrl()) != QStringLiteral("buttons.html"));
    QVERIFY(viewer.noteLabel()->isHidden());

    // The full-text index is built in the background; search until it answers.
    QHelpSearchEngine* search = viewer.engine()->searchEngine();
    QStringList pages;
    for (int attempt = 0; attempt < 40 && pages.isEmpty(); ++attempt) {
        QSignalSpy finished(search, &QHelpSearchEngine::searchingFinished);
        search->search(QStringLiteral("usermod"));
        QVERIFY(finished.wait(5000));
        for (const QHelpSearchResult& result :
             search->searchResults(0, search->searchResultCount()))
            pages.append(page(result.url()));
        if (pages.isEmpty())
            QTest::qWait(250);
    }
    QVERIFY2(pages.contains(QStringLiteral("getting-started.html")), qPrintable(pages.join(' ')));
}

void HelpViewerTest::missingFileIsNamedAndRequestsDoNothing() {
    const QString missing = m_dir.filePath(QStringLiteral("chHelp.qch"));
    HelpViewer viewer(missing, collection());
    QVERIFY(!viewer.isAvailable());
    QVERIFY(viewer.noteLabel()->text().contains(missing));
    viewer.showContext(2127);
    viewer.showContext(helpcontext::DefaultTopic);
    QVERIFY(viewer.currentUrl().isEmpty());

    // A file that is not a help file is as good as missing.
    const QString garbage = m_dir.filePath(QStringLiteral("enHelp.qch"));
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a help file");
    file.close();
    HelpViewer broken(garbage, collection());
    QVERIFY(!broken.isAvailable());
    QVERIFY(broken.noteLabel()->text().contains(garbage));
}

void HelpViewerTest::oneWindowPerFileAndNeverBlockedByADialog() {
    QTemporaryDir folder;
    QVERIFY(
        QFile::copy(builtHelpFile("enHelp.qch"), folder.filePath(QStringLiteral("enHelp.qch"))));
    HelpController help([&folder](const QString& name) { return folder.filePath(name); },
                        program::Language::English);

    help.showHelp(QStringLiteral("enHelp.qch"), 2132);
    // The windows come from the help module, loaded at the first request.
    auto viewer = [&help](const char* file) {
        return dynamic_cast<HelpViewer*>(help.viewer(QLatin1String(file)));
    };
    HelpViewer* english = viewer("enHelp.qch");
    QVERIFY(english && english->isVisible());
    QCOMPARE(english->currentUrl().fragment(), QStringLiteral("decode"));
    help.showHelp(QStringLiteral("enHelp.qch"), 2133);
    QCOMPARE(viewer("enHelp.qch"), english);
    QCOMPARE(english->currentUrl().fragment(), QStringLiteral("encode"));

    // A missing file gets a window that says so, and is found once it is there.
    help.showHelp(QStringLiteral("chHelp.qch"), 2132);
    QVERIFY(!viewer("chHelp.qch")->isAvailable());
    QVERIFY(
        QFile::copy(builtHelpFile("chHelp.qch"), folder.filePath(QStringLiteral("chHelp.qch"))));
    help.showHelp(QStringLiteral("chHelp.qch"), 2132);
    QVERIFY(viewer("chHelp.qch")->isAvailable());
    QCOMPARE(viewer("chHelp.qch")->currentUrl().fragment(), QStringLiteral("decode"));

    // Help asked for from a modal dialog comes up over it, not behind its block.
    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    help.showHelp(QStringLiteral("enHelp.qch"), 1009);
    QCOMPARE(QApplication::activeModalWidget(), english);
    english->close();
    dialog.close();
    help.showHelp(QStringLiteral("enHelp.qch"), 1009);
    QCOMPARE(english->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
}

GUI_TEST(HelpViewerTest);

#include "HelpViewerTest.moc"
