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

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void opensAtTheTopicOfAContext();
    void firstPageForHelpTopics();
    void keywordWithSeveralTopicsOffersTheOthers();
    void contextWithoutATopicSaysSoOnTheFirstPage();
    void missingFileIsNamedAndRequestsDoNothing();
    void indexAndSearchFindTopics();
    void controllerKeepsOneWindowPerFileAndFindsAFileThatAppears();
    void helpFromAModalDialogComesUpOverIt();

private:
    QTemporaryDir m_dir;
    int m_collections = 0;
    QString collection() { return m_dir.filePath(QStringLiteral("c%1.qhc").arg(++m_collections)); }
};

void HelpViewerTest::opensAtTheTopicOfAContext() {
    for (const char* name : HelpFileNames) {
        HelpViewer viewer(builtHelpFile(name), collection());
        QVERIFY(viewer.isAvailable());
        viewer.showContext(2128);
        QCOMPARE(page(viewer.currentUrl()), QStringLiteral("channels.html"));
        QCOMPARE(viewer.currentUrl().fragment(), QStringLiteral("tx"));
        // The page came out of the help file, not an empty document.
        QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("136.00000")));
        QVERIFY(viewer.noteLabel()->isHidden());
    }
    // The Chinese file explains the same topic in Chinese.
    HelpViewer chinese(builtHelpFile("chHelp.qch"), collection());
    chinese.showContext(2127);
    QVERIFY(chinese.browser()->toPlainText().contains(QStringLiteral("接收频率")));
}

void HelpViewerTest::firstPageForHelpTopics() {
    HelpViewer viewer(builtHelpFile("enHelp.qch"), collection());
    viewer.showContext(helpcontext::DefaultTopic);
    // The contents are read in the background; the first page follows.
    QTRY_COMPARE(page(viewer.currentUrl()), QStringLiteral("index.html"));
    viewer.showContext(57603);
    QCOMPARE(page(viewer.currentUrl()), QStringLiteral("file-menu.html"));
    viewer.showContext(helpcontext::DefaultTopic);
    QCOMPARE(page(viewer.currentUrl()), QStringLiteral("index.html"));
}

// An index keyword with several topics shows the first and offers the others.
void HelpViewerTest::keywordWithSeveralTopicsOffersTheOthers() {
    HelpViewer viewer(builtHelpFile("enHelp.qch"), collection());
    viewer.show();
    auto* filter = viewer.findChild<QLineEdit*>(QStringLiteral("HelpIndexFilter"));
    QHelpIndexWidget* index = viewer.engine()->indexWidget();
    QTRY_VERIFY(index->model()->rowCount() > 50);
    QTest::keyClicks(filter, QStringLiteral("Cancel"));
    QTRY_COMPARE(index->model()->rowCount(), 1);
    index->setCurrentIndex(index->model()->index(0, 0));
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(page(viewer.currentUrl()), QStringLiteral("buttons.html"));
    QVERIFY(viewer.noteLabel()->isVisible());
    const QString note = viewer.noteLabel()->text();
    QVERIFY2(note.contains(QStringLiteral("port-setting.html")), qPrintable(note));
    QVERIFY2(note.contains(QStringLiteral("progress-dialog.html")), qPrintable(note));

    const int start = note.indexOf(QStringLiteral("href=\"")) + 6;
    emit viewer.noteLabel()->linkActivated(note.mid(start, note.indexOf('"', start) - start));
    QVERIFY(page(viewer.currentUrl()) != QStringLiteral("buttons.html"));
    QVERIFY(viewer.noteLabel()->isHidden());

    // A context with one topic leaves no note behind.
    viewer.showContext(2127);
    QVERIFY(viewer.noteLabel()->isHidden());
}

void HelpViewerTest::contextWithoutATopicSaysSoOnTheFirstPage() {
    HelpViewer viewer(builtHelpFile("enHelp.qch"), collection());
    viewer.show();
    viewer.showContext(4242);
    QTRY_COMPARE(page(viewer.currentUrl()), QStringLiteral("index.html"));
    QVERIFY(viewer.noteLabel()->isVisible());
    QVERIFY(viewer.noteLabel()->text().contains(QStringLiteral("4242")));
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

void HelpViewerTest::indexAndSearchFindTopics() {
    HelpViewer viewer(builtHelpFile("enHelp.qch"), collection());
    viewer.show();

    auto* filter = viewer.findChild<QLineEdit*>(QStringLiteral("HelpIndexFilter"));
    QVERIFY(filter);
    QHelpIndexWidget* index = viewer.engine()->indexWidget();
    QTRY_VERIFY(index->model()->rowCount() > 50);
    QTest::keyClicks(filter, QStringLiteral("dialout"));
    QTRY_COMPARE(index->model()->rowCount(), 1);
    index->setCurrentIndex(index->model()->index(0, 0));
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(page(viewer.currentUrl()), QStringLiteral("getting-started.html"));
    QCOMPARE(viewer.currentUrl().fragment(), QStringLiteral("permissions"));

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

void HelpViewerTest::controllerKeepsOneWindowPerFileAndFindsAFileThatAppears() {
    QTemporaryDir folder;
    QVERIFY(
        QFile::copy(builtHelpFile("enHelp.qch"), folder.filePath(QStringLiteral("enHelp.qch"))));
    HelpController help(folder.path(), program::Language::English);

    help.showHelp(QStringLiteral("enHelp.qch"), 2132);
    HelpViewer* english = help.viewer(QStringLiteral("enHelp.qch"));
    QVERIFY(english && english->isVisible());
    QCOMPARE(english->currentUrl().fragment(), QStringLiteral("decode"));
    help.showHelp(QStringLiteral("enHelp.qch"), 2133);
    QCOMPARE(help.viewer(QStringLiteral("enHelp.qch")), english);
    QCOMPARE(english->currentUrl().fragment(), QStringLiteral("encode"));

    // The Chinese file is missing: its window says so, and opens the file once it is there.
    help.showHelp(QStringLiteral("chHelp.qch"), 2132);
    QVERIFY(!help.viewer(QStringLiteral("chHelp.qch"))->isAvailable());
    QVERIFY(help.viewer(QStringLiteral("chHelp.qch"))->isVisible());
    QVERIFY(
        QFile::copy(builtHelpFile("chHelp.qch"), folder.filePath(QStringLiteral("chHelp.qch"))));
    help.showHelp(QStringLiteral("chHelp.qch"), 2132);
    HelpViewer* chinese = help.viewer(QStringLiteral("chHelp.qch"));
    QVERIFY(chinese->isAvailable());
    QCOMPARE(chinese->currentUrl().fragment(), QStringLiteral("decode"));
}

// Help asked for from a modal dialog must not be blocked by that dialog.
void HelpViewerTest::helpFromAModalDialogComesUpOverIt() {
    QTemporaryDir folder;
    QVERIFY(
        QFile::copy(builtHelpFile("enHelp.qch"), folder.filePath(QStringLiteral("enHelp.qch"))));
    HelpController help(folder.path(), program::Language::English);

    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    QCOMPARE(QApplication::activeModalWidget(), &dialog);
    help.showHelp(QStringLiteral("enHelp.qch"), 1009);
    HelpViewer* viewer = help.viewer(QStringLiteral("enHelp.qch"));
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), viewer);

    viewer->close();
    dialog.close();
    help.showHelp(QStringLiteral("enHelp.qch"), 1009);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
}

HELP_TEST(HelpViewerTest);

#include "HelpViewerTest.moc"
