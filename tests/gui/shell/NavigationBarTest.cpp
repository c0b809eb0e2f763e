#include "ShellTestSupport.h"

#include "app/CommandActions.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/MdiBackground.h"
#include "app/NavigationBar.h"
#include "app/NavigationTitleBar.h"
#include "app/ProgramApp.h"

#include <QAction>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

class NavigationBarTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void treeShowsTheSectionsUnderTheMakersName();
    void choosingASectionTwiceRunsItTwice();
    void theRootDoesNothing();
    void ctrlBTogglesTheBarAndItsCheckMark();
    void theCloseButtonHidesTheBar();
    void widthStaysBetween11PixelsAndHalfTheWindow();
    void backgroundIsTheFileBesideTheProgramOrTheBuiltInPicture();

private:
    void click(QTreeWidgetItem* item);

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<CProgramApp> m_app;
    CMainFrame* m_frame = nullptr;
    NavigationBar* m_bar = nullptr;
};

void NavigationBarTest::init() {
    m_folder = std::make_unique<ProgramFolder>(QStringList{"Language=English", "ShowLang=1"});
    m_app = std::make_unique<CProgramApp>();
    QVERIFY(m_app->initInstance({m_folder->argv0(), "--no-splash"}));
    m_frame = m_app->mainFrame();
    m_bar = m_frame->navigationBar();
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
}

void NavigationBarTest::cleanup() {
    m_app.reset();
    m_folder.reset();
}

void NavigationBarTest::click(QTreeWidgetItem* item) {
    QTreeWidget* tree = m_bar->tree();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

void NavigationBarTest::treeShowsTheSectionsUnderTheMakersName() {
    QCOMPARE(m_bar->windowTitle(), QString(ProgramFolder::EnglishCompany));
    QTreeWidgetItem* root = m_bar->root();
    QCOMPARE(root->text(0), QString(ProgramFolder::EnglishCompany));
    QVERIFY(root->isExpanded());
    QCOMPARE(root->childCount(), 3);
    QCOMPARE(root->child(0)->text(0), QString("Channel Information"));
    QCOMPARE(root->child(1)->text(0), QString("Optional Features"));
    QCOMPARE(root->child(2)->text(0), QString("Software Info"));
}

void NavigationBarTest::choosingASectionTwiceRunsItTwice() {
    QSignalSpy chosen(m_bar, &NavigationBar::commandChosen);
    QTreeWidgetItem* features = m_bar->root()->child(1);
    click(features);
    click(features);
    QCOMPARE(chosen.count(), 2);
    QCOMPARE(chosen.at(0).at(0).toInt(), command::OptionalFeatures);
    QCOMPARE(chosen.at(1).at(0).toInt(), command::OptionalFeatures);

    // From the keyboard: arrows only move, Enter chooses.
    m_bar->tree()->setFocus();
    m_bar->tree()->setCurrentItem(m_bar->root()->child(2));
    QTest::keyClick(m_bar->tree(), Qt::Key_Up);
    QCOMPARE(chosen.count(), 2);
    QTest::keyClick(m_bar->tree(), Qt::Key_Return);
    QTest::keyClick(m_bar->tree(), Qt::Key_Return);
    QCOMPARE(chosen.count(), 4);
    QCOMPARE(chosen.at(3).at(0).toInt(), command::OptionalFeatures);
}

void NavigationBarTest::theRootDoesNothing() {
    QSignalSpy chosen(m_bar, &NavigationBar::commandChosen);
    click(m_bar->root());
    m_bar->tree()->setCurrentItem(m_bar->root());
    QTest::keyClick(m_bar->tree(), Qt::Key_Return);
    QCOMPARE(chosen.count(), 0);
}

void NavigationBarTest::ctrlBTogglesTheBarAndItsCheckMark() {
    const QList<QAction*> menuItems = m_frame->commands().actionsOf(command::ControlBar);
    auto checkedItems = [&] {
        int checked = 0;
        for (QAction* action : menuItems)
            checked += action->isCheckable() && action->isChecked();
        return checked;
    };
    const int items = checkedItems();
    QVERIFY(items >= 1); // the View menus of both menu bars
    QVERIFY(m_bar->isVisible());

    QTest::keyClick(m_frame, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(m_bar->isHidden());
    QCOMPARE(checkedItems(), 0);

    QTest::keyClick(m_frame, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(m_bar->isVisible());
    QCOMPARE(checkedItems(), items);
}

void NavigationBarTest::theCloseButtonHidesTheBar() {
    auto* titleBar = qobject_cast<NavigationTitleBar*>(m_bar->titleBarWidget());
    QVERIFY(titleBar);
    QTest::mouseClick(titleBar->closeButton(), Qt::LeftButton);
    QVERIFY(m_bar->isHidden());
    for (QAction* action : m_frame->commands().actionsOf(command::ControlBar))
        QVERIFY(!action->isChecked());
    m_frame->onCommand(command::ControlBar);
    QVERIFY(m_bar->isVisible());
}

void NavigationBarTest::widthStaysBetween11PixelsAndHalfTheWindow() {
    m_frame->showNormal();
    m_frame->resize(1000, 700);
    QTest::qWait(20);
    m_frame->resizeDocks({m_bar}, {3}, Qt::Horizontal);
    QTRY_COMPARE(m_bar->width(), NavigationBar::MinimumWidth);
    m_frame->resizeDocks({m_bar}, {900}, Qt::Horizontal);
    QTRY_VERIFY(m_bar->width() > 400);
    QVERIFY2(m_bar->width() <= m_frame->width() / 2, qPrintable(QString::number(m_bar->width())));
    // The limit follows the window.
    m_frame->resize(600, 700);
    QTRY_VERIFY(m_bar->width() <= 300);
}

void NavigationBarTest::backgroundIsTheFileBesideTheProgramOrTheBuiltInPicture() {
    auto rgb = [](const QPixmap& pixmap) {
        return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage builtIn = rgb(MdiBackground::builtInPicture());
    QVERIFY(!builtIn.isNull());
    QCOMPARE(rgb(m_frame->mdiArea()->background().texture()), builtIn);

    m_folder->copyFromBin("background.bmp");
    QMdiArea area;
    MdiBackground::apply(area, m_folder->path());
    const QImage fromFile =
        QImage(m_folder->path() + "background.bmp").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(rgb(area.background().texture()), fromFile);

    // Tiled from the top-left corner: one picture-width along, the same pixels.
    area.resize(3 * fromFile.width() + 5, 2 * fromFile.height() + 3);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    const QImage shown = area.viewport()->grab().toImage();
    for (QPoint p : {QPoint(1, 1), QPoint(fromFile.width() / 2, 7)}) {
        QCOMPARE(shown.pixel(p), fromFile.pixel(p));
        QCOMPARE(shown.pixel(p + QPoint(2 * fromFile.width(), fromFile.height())),
                 fromFile.pixel(p));
    }
}

SHELL_TEST(NavigationBarTest);
#include "NavigationBarTest.moc"
