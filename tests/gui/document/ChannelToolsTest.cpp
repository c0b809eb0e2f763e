#include "DocumentHarness.h"
#include "DocumentTests.h"

#include "channels/FindBar.h"
#include "channels/Frequency.h"
#include "channels/GridOperations.h"
#include "channels/RepeaterOffsetDlg.h"
#include "channels/SetValueDlg.h"
#include "channels/SortChannelsDlg.h"
#include "common/CommandIds.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QUndoStack>

using namespace program::column;
using testsupport::ModalAnswerer;

namespace {

// Channels 1..40, 2 m and 70 cm in a mixed order, named after their row; saved, so
// that the history starts here and the document counts as unchanged.
void fortyChannels(DocumentHarness& h) {
    h.manager->createNewDocument();
    for (int row = 1; row <= 40; ++row) {
        const std::string rx = program::formatFrequency(row % 2 ? 14500000 + (40 - row) * 2500
                                                                : 43900000 - row * 5000);
        h.doc().table().setRow(row, {rx, rx, "None", "None", "CH" + std::to_string(row), "High",
                                     "Wide", "Yes", "Off"});
    }
    h.doc().gridToImage();
    h.doc().imageToGrid();
    QVERIFY(h.manager->saveAs(h.path(QStringLiteral("forty.dat"))));
}

void selectRows(DocumentHarness& h, int first, int last) {
    h.grid().selectCells(h.cell(first, RxFrequency), h.cell(last, BusyLock));
}

// Undo takes the last step back to the saved table, which then needs no saving.
void undoToSaved(DocumentHarness& h, const program::ChannelTable& saved) {
    QVERIFY(h.view().handleCommand(command::EditUndo));
    QVERIFY(h.doc().table() == saved);
    QVERIFY(!h.doc().hasUnsavedChanges());
}

} // namespace

void ChannelToolsTest::sortIsOneStep() {
    DocumentHarness h;
    ModalAnswerer answers;
    fortyChannels(h);
    const program::ChannelTable saved = h.doc().table();
    h.grid().selectCells(h.cell(7, Name), h.cell(7, Name)); // one cell: the whole table
    answers.then([](QDialog* dialog) {
        auto* sort = qobject_cast<SortChannelsDlg*>(dialog);
        QVERIFY(sort);
        sort->keyList()->setCurrentIndex(0); // Rx Frequency
        dialog->accept();
    });
    QVERIFY(h.view().handleCommand(command::SortChannels));
    QVERIFY(answers.done());
    QCOMPARE(h.doc().undoStack()->undoText(), QStringLiteral("Sort Channels"));
    QCOMPARE(h.doc().undoStack()->count(), 1);
    for (int row = 2; row <= 40; ++row)
        QVERIFY(h.text(row - 1, RxFrequency) < h.text(row, RxFrequency));
    QVERIFY(h.doc().table().isBlank(41));
    undoToSaved(h, saved);
}

void ChannelToolsTest::setValueIsOneStepOrNothing() {
    DocumentHarness h;
    ModalAnswerer answers;
    fortyChannels(h);
    const program::ChannelTable saved = h.doc().table();
    // A value one channel refuses changes none and names it: a Tx outside the bands.
    selectRows(h, 3, 12);
    answers.then([](QDialog* dialog) {
        auto* set = qobject_cast<SetValueDlg*>(dialog);
        set->columnList()->setCurrentIndex(TxFrequency - 1);
        set->valueEdit()->setText(QStringLiteral("300"));
        dialog->accept();
    });
    QVERIFY(h.view().handleCommand(command::SetValue));
    QVERIFY(answers.sawText(QStringLiteral("channel 3 does not take \"300\"")));
    QVERIFY(h.doc().table() == saved);
    QCOMPARE(h.doc().undoStack()->count(), 0);

    // The context menu offers it; Power Low for the ten rows.
    answers.then([](QDialog* dialog) {
        auto* set = qobject_cast<SetValueDlg*>(dialog);
        set->columnList()->setCurrentIndex(Power - 1);
        set->valueList()->setCurrentIndex(set->valueList()->findText(QStringLiteral("Low")));
        dialog->accept();
    });
    std::unique_ptr<QMenu> menu(h.view().operations()->makeContextMenu(nullptr));
    const QList<QAction*> actions = menu->actions();
    const auto item = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
        return action->text() == QStringLiteral("Set &Value...\t");
    });
    QVERIFY(item != actions.end());
    (*item)->trigger();
    QCOMPARE(h.doc().undoStack()->undoText(), QStringLiteral("Set Power"));
    for (int row = 1; row <= 40; ++row)
        QCOMPARE(h.text(row, Power), row >= 3 && row <= 12 ? "Low" : "High");
    undoToSaved(h, saved);
}

void ChannelToolsTest::repeaterOffsetIsOneStep() {
    DocumentHarness h;
    ModalAnswerer answers;
    fortyChannels(h);
    const program::ChannelTable saved = h.doc().table();
    const std::vector<int> repeaters = {1, 3, 5, 7, 9}; // 2 m
    QItemSelection selection;
    for (int row : repeaters)
        selection.select(h.cell(row, RxFrequency), h.cell(row, RxFrequency));
    h.grid().selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    answers.then([](QDialog* dialog) {
        auto* offset = qobject_cast<RepeaterOffsetDlg*>(dialog);
        QCOMPARE(offset->offsetEdit()->text(), QStringLiteral("600")); // the 2 m split
        offset->minusButton()->click();
        dialog->accept();
    });
    QVERIFY(h.view().handleCommand(command::RepeaterOffset));
    QCOMPARE(h.doc().undoStack()->undoText(), QStringLiteral("Repeater Offset"));
    for (int row = 1; row <= 10; ++row) {
        const auto rx = program::parseFrequency(h.doc().table().text(row, RxFrequency)).value;
        const auto tx = program::parseFrequency(h.doc().table().text(row, TxFrequency)).value;
        QCOMPARE(tx, row % 2 ? rx - 60000 : rx);
    }
    undoToSaved(h, saved);
}

void ChannelToolsTest::findBarStepsThroughNamesAndFrequencies() {
    DocumentHarness h;
    fortyChannels(h);
    FindBar* bar = h.view().findBar();
    QVERIFY(h.view().handleCommand(command::Find));
    QVERIFY(bar->isVisible());
    QTest::keyClicks(bar->edit(), QStringLiteral("ch3"));
    // CH3, then CH30..CH39, as typed, then on with Enter and back with Shift+Enter.
    QCOMPARE(h.grid().currentIndex(), h.cell(3, Name));
    QVERIFY(!h.grid().openEditor());
    QTest::keyClick(bar->edit(), Qt::Key_Return);
    QCOMPARE(h.grid().currentIndex(), h.cell(30, Name));
    QTest::keyClick(bar->edit(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(bar->edit(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(h.grid().currentIndex(), h.cell(39, Name)); // round the top
    QVERIFY(h.view().handleCommand(command::FindNext));
    QCOMPARE(h.grid().currentIndex(), h.cell(3, Name));
    // Frequencies match by their text.
    bar->edit()->selectAll();
    QTest::keyClicks(bar->edit(), QString::fromStdString(h.doc().table().text(20, TxFrequency)));
    QCOMPARE(h.grid().currentIndex(), h.cell(20, RxFrequency));
    QTest::keyClick(bar->edit(), Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
}

void ChannelToolsTest::duplicateMarksFollowEdits() {
    DocumentHarness h;
    fortyChannels(h);
    ChannelTableModel* model = h.grid().channelModel();
    program::ChannelTable table = h.doc().table();
    table.setRow(25, table.row(4));
    QVERIFY(h.doc().changeTable(QStringLiteral("Paste"), table));
    QVERIFY(!model->data(h.cell(25, Name), Qt::BackgroundRole).isValid());

    h.view().setMarkDuplicates(true);
    QCOMPARE(model->data(h.cell(25, Name), Qt::BackgroundRole).value<QColor>(),
             ChannelTableModel::DuplicateColour);
    QCOMPARE(model->data(h.cell(25, RxFrequency), Qt::ToolTipRole).toString(),
             QStringLiteral("Same Rx Frequency and QT/DQT tones as channel 4"));
    QVERIFY(!model->data(h.cell(4, Name), Qt::BackgroundRole).isValid());
    // Another tone is another channel; undo makes the pair again.
    table.setText(25, EncodeTone, "67.0");
    QVERIFY(h.doc().changeTable(QStringLiteral("Edit QT/DQT Enc"), table));
    QVERIFY(!model->data(h.cell(25, Name), Qt::BackgroundRole).isValid());
    QVERIFY(h.view().handleCommand(command::EditUndo));
    QCOMPARE(model->duplicateOf(25), 4);
}

GUI_TEST(ChannelToolsTest);
