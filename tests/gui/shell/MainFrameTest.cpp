#include "ShellTestSupport.h"

#include "app/CommandActions.h"
#include "app/MainFrame.h"
#include "app/MdiBackground.h"
#include "app/NavigationBar.h"
#include "app/NavigationTitleBar.h"
#include "app/ProgramApp.h"
#include "channels/ChannelGrid.h"
#include "channels/ProgramView.h"
#include "common/CommandIds.h"
#include "compare/MemoryMapWindow.h"
#include "model/ImageMap.h"
#include "model/ProgramDoc.h"
#include "support/ModalAnswerer.h"

#include <QAction>
#include <QMdiArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void choosingASectionTwiceRunsItTwiceAndTheRootNothing();
    void ctrlBAndTheCloseButtonToggleTheBarAndItsCheckMark();
    void barWidthStaysBetween11PixelsAndHalfTheWindow();
    void aWideBarLeavesTheLastColumnReachable();
    void f1AsksForHelp();
    void backgroundIsTheFileBesideTheProgramOrTheBuiltInPicture();
    void anOpenMemoryMapFollowsTheEditsOfTheDocument();

private:
    void click(QTreeWidgetItem* item);
    int checkedControlBarItems() const;

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<CProgramApp> m_app;
    CMainFrame* m_frame = nullptr;
    NavigationBar* m_bar = nullptr;
};

void MainFrameTest::init() {
    m_folder = std::make_unique<ProgramFolder>(QStringList{"Language=English"});
    m_app = std::make_unique<CProgramApp>();
    QVERIFY(m_app->initInstance({m_folder->argv0(), "--no-splash"}));
    m_frame = m_app->mainFrame();
    m_bar = m_frame->navigationBar();
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
}

void MainFrameTest::cleanup() {
    m_app.reset();
    m_folder.reset();
}

void MainFrameTest::click(QTreeWidgetItem* item) {
    QTreeWidget* tree = m_bar->tree();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

int MainFrameTest::checkedControlBarItems() const {
    int checked = 0;
    for (QAction* action : m_frame->commands().actionsOf(command::ControlBar))
        checked += action->isChecked();
    return checked;
}

void MainFrameTest::choosingASectionTwiceRunsItTwiceAndTheRootNothing() {
    QCOMPARE(m_bar->windowTitle(), QString(ProgramFolder::EnglishCompany));
    QCOMPARE(m_bar->root()->text(0), QString(ProgramFolder::EnglishCompany));
    QSignalSpy chosen(m_bar, &NavigationBar::commandChosen);
    // Each choice opens the Optional Features dialog; Cancel closes it.
    testsupport::ModalAnswerer answers;
    QStringList opened;
    auto cancel = [&opened](QDialog* dialog) {
        opened << dialog->windowTitle();
        dialog->reject();
    };
    for (int i = 0; i < 3; ++i)
        answers.then(cancel);
    QTreeWidgetItem* features = m_bar->root()->child(1);
    QCOMPARE(features->text(0), QString("Optional Features"));
    click(features);
    click(features);
    click(m_bar->root());
    QCOMPARE(chosen.count(), 2);
    QCOMPARE(chosen.at(1).at(0).toInt(), command::OptionalFeatures);

    // From the keyboard: arrows only move, Enter chooses, the root stays silent.
    m_bar->tree()->setCurrentItem(m_bar->root()->child(2));
    QTest::keyClick(m_bar->tree(), Qt::Key_Up);
    QTest::keyClick(m_bar->tree(), Qt::Key_Return);
    QCOMPARE(chosen.count(), 3);
    QCOMPARE(chosen.at(2).at(0).toInt(), command::OptionalFeatures);
    m_bar->tree()->setCurrentItem(m_bar->root());
    QTest::keyClick(m_bar->tree(), Qt::Key_Return);
    QCOMPARE(chosen.count(), 3);
    QCOMPARE(opened, QStringList(3, QStringLiteral("Optional Features")));
}

void MainFrameTest::ctrlBAndTheCloseButtonToggleTheBarAndItsCheckMark() {
    const int items = checkedControlBarItems();
    QVERIFY(items >= 1); // the View menus of both menu bars
    QTest::keyClick(m_frame, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(m_bar->isHidden());
    QCOMPARE(checkedControlBarItems(), 0);
    QTest::keyClick(m_frame, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(m_bar->isVisible());
    QCOMPARE(checkedControlBarItems(), items);

    auto* titleBar = qobject_cast<NavigationTitleBar*>(m_bar->titleBarWidget());
    QTest::mouseClick(titleBar->closeButton(), Qt::LeftButton);
    QVERIFY(m_bar->isHidden());
    QCOMPARE(checkedControlBarItems(), 0);
}

void MainFrameTest::barWidthStaysBetween11PixelsAndHalfTheWindow() {
    m_frame->showNormal();
    m_frame->resize(1000, 700);
    m_frame->resizeDocks({m_bar}, {3}, Qt::Horizontal);
    QTRY_COMPARE(m_bar->width(), NavigationBar::MinimumWidth);
    m_frame->resizeDocks({m_bar}, {900}, Qt::Horizontal);
    QTRY_VERIFY(m_bar->width() > 400);
    QVERIFY2(m_bar->width() <= m_frame->width() / 2, qPrintable(QString::number(m_bar->width())));
    m_frame->resize(600, 700); // the limit follows the window
    QTRY_VERIFY(m_bar->width() <= 300);
}

void MainFrameTest::aWideBarLeavesTheLastColumnReachable() {
    m_frame->showNormal();
    m_frame->resize(1000, 700);
    m_frame->resizeDocks({m_bar}, {900}, Qt::Horizontal);
    QTRY_VERIFY(m_bar->width() > 400);

    QMdiArea* area = m_frame->mdiArea();
    QScrollBar* scroll = area->horizontalScrollBar();
    QTRY_VERIFY(scroll->isVisible());
    scroll->setValue(scroll->maximum());
    QTest::qWait(10);
    QTableView* grid = m_frame->activeView()->grid();
    const QRect lastColumn =
        grid->visualRect(grid->model()->index(0, grid->model()->columnCount() - 1));
    const QRect shown(grid->viewport()->mapTo(area->viewport(), lastColumn.topLeft()),
                      lastColumn.size());
    QVERIFY2(area->viewport()->rect().contains(shown),
             qPrintable(QString("%1,%2 %3x%4 in %5 wide")
                            .arg(shown.x())
                            .arg(shown.y())
                            .arg(shown.width())
                            .arg(shown.height())
                            .arg(area->viewport()->width())));
}

void MainFrameTest::f1AsksForHelp() {
    QSignalSpy help(m_app.get(), &CProgramApp::helpRequested);
    QTest::keyClick(m_frame, Qt::Key_F1);
    m_frame->onCommand(command::HelpTopics);
    QCOMPARE(help.count(), 2);
    QCOMPARE(help.at(0).at(0).toString(), QString("enHelp.qch"));
    QVERIFY(help.at(0).at(1).toInt() > 0);
    QCOMPARE(help.at(1).at(1).toInt(), 0); // the first page
}

void MainFrameTest::backgroundIsTheFileBesideTheProgramOrTheBuiltInPicture() {
    auto rgb = [](const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage builtIn = rgb(MdiBackground::builtInPicture());
    QVERIFY(!builtIn.isNull());
    QCOMPARE(rgb(m_frame->mdiArea()->background().texture()), builtIn);

    m_folder->copyFromBin("background.bmp");
    QMdiArea area;
    MdiBackground::apply(area, m_folder->path() + "background.bmp");
    const QImage tile = rgb(QPixmap(m_folder->path() + "background.bmp"));
    area.resize(3 * tile.width() + 5, 2 * tile.height() + 3);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    // Tiled from the top-left corner of the document area.
    const QImage shown = area.viewport()->grab().toImage();
    for (QPoint p : {QPoint(1, 1), QPoint(tile.width() / 2, 7)})
        QCOMPARE(shown.pixel(p + QPoint(2 * tile.width(), tile.height())), tile.pixel(p));
}

GUI_TEST(MainFrameTest);
// An editor's OK and its undo both show in the open map at once.
void MainFrameTest::anOpenMemoryMapFollowsTheEditsOfTheDocument() {
    m_frame->onCommand(command::MemoryMap);
    auto* map = m_frame->findChild<MemoryMapWindow*>();
    QVERIFY(map && map->isVisible());
    CProgramDoc& doc = m_frame->activeView()->document();
    const std::size_t at = program::imagemap::OptionalFeatures.offset;
    const auto shown = [&](std::uint8_t byte) {
        return map->describeByte(at).contains(
            QStringLiteral(" = %1:").arg(byte, 2, 16, QLatin1Char('0')).toUpper());
    };
    const std::uint8_t before = doc.image().at(at);
    QVERIFY(shown(before));
    program::CodeplugImage edited = doc.image();
    edited.set(at, before ^ 0x01);
    doc.applyEdit(QStringLiteral("Optional Features"), edited);
    QVERIFY(shown(before ^ 0x01));
    doc.undoStack()->undo();
    QVERIFY(shown(before));
}

#include "MainFrameTest.moc"
