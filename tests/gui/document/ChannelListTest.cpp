#include "DocumentHarness.h"
#include "DocumentTests.h"

#include "channels/Frequency.h"
#include "channels/GridOperations.h"
#include "common/CommandIds.h"
#include "exchange/CsvExchange.h"
#include "exchange/ImportReportDlg.h"
#include "model/ImageMap.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using namespace program::column;
using testsupport::ModalAnswerer;

namespace {

void addChannel(DocumentHarness& h, int row, const std::string& rx, const std::string& name) {
    h.doc().table().setRow(row, {rx, rx, "None", "None", name, "High", "Wide", "Yes", "Off"});
}

// Channels 1..128 at 136.005 MHz and up, named after their row, and "Fr".
void fillTable(DocumentHarness& h) {
    for (int row = 1; row <= 129; ++row)
        addChannel(h, row, program::formatFrequency(13600500 + row * 500), std::to_string(row));
    h.doc().gridToImage();
    h.doc().imageToGrid(); // the grid shows them, and the history starts here
}

void selectCells(DocumentHarness& h, int top, int left, int bottom, int right) {
    h.grid().selectCells(h.cell(top, left), h.cell(bottom, right));
}

bool run(DocumentHarness& h, int command) {
    return h.view().handleCommand(command);
}

QString writeText(DocumentHarness& h, const QString& name, const QByteArray& text) {
    QFile file(h.path(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(text);
    return file.fileName();
}

// A click on the label of a row, in the middle of it.
void clickRowNumber(QHeaderView* rows, int section, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, modifiers,
                      QPoint(rows->width() / 2, rows->sectionViewportPosition(section) +
                                                    rows->sectionSize(section) / 2));
}

QStringList names(DocumentHarness& h, int first, int last) {
    QStringList texts;
    for (int row = first; row <= last; ++row)
        texts << h.text(row, Name);
    return texts;
}

} // namespace

void ChannelListTest::pasteOfABlockWithOneRefusedCellPastesNothing() {
    DocumentHarness h;
    h.manager->createNewDocument();
    fillTable(h);
    const program::ChannelTable before = h.doc().table();

    // Spreadsheet text: CR LF, a quoted cell. One tone is no tone of the radio.
    selectCells(h, 10, DecodeTone, 10, DecodeTone);
    ModalAnswerer answers;
    QVERIFY(!h.view().operations()->pasteText(
        QStringLiteral("67.0\tD023N\t\"A,B\"\r\n69.3\tD024N\tC\r\n")));
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY(answers.sawText(QStringLiteral("Channel 11, QT/DQT Enc \"D024N\"")));
    QVERIFY(h.doc().table() == before);
    QCOMPARE(h.doc().undoStack()->count(), 0);

    // The same block without the refused cell goes in whole, as one step.
    QVERIFY(h.view().operations()->pasteText(
        QStringLiteral("67.0\tD023N\t\"A,B\"\r\n69.3\tD754I\tC\r\n")));
    QCOMPARE(h.text(10, Name), QStringLiteral("A,B"));
    QCOMPARE(h.text(11, EncodeTone), QStringLiteral("D754I"));
    QCOMPARE(h.doc().undoStack()->undoText(), QStringLiteral("Paste"));
    QVERIFY(h.grid().selectionModel()->isSelected(h.cell(11, Name)));
    QVERIFY(!h.grid().openEditor());

    // A block running past channel 128 does not fit.
    selectCells(h, 128, Name, 128, Name);
    QVERIFY(!h.view().operations()->pasteText(QStringLiteral("X\nY\n")));
    QVERIFY(answers.sawText(QStringLiteral("there is room for 1")));
    QCOMPARE(h.text(128, Name), QStringLiteral("128"));
}

void ChannelListTest::rowsTravelThroughTheClipboard() {
    DocumentHarness h;
    h.manager->createNewDocument();
    fillTable(h);
    ModalAnswerer answers;

    // A click on a row's number selects the channel and opens no editor.
    QHeaderView* rows = h.grid().verticalHeader();
    clickRowNumber(rows, 1, {});
    clickRowNumber(rows, 2, Qt::ShiftModifier);
    QVERIFY(!h.grid().openEditor());
    QVERIFY(run(h, command::EditCopy));
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied.count(QLatin1Char('\n')), 2);
    QVERIFY(copied.startsWith(QStringLiteral("136.01500\t136.01500\tNone\tNone\t2\tHigh")));

    // Whole rows paste from the first column, whatever cell of the row is chosen.
    selectCells(h, 20, Power, 20, Power);
    QVERIFY(run(h, command::EditPaste));
    QCOMPARE(names(h, 19, 22), (QStringList{"19", "2", "3", "22"}));

    // Cut clears: the channels become blank.
    selectCells(h, 2, RxFrequency, 3, BusyLock);
    QVERIFY(run(h, command::EditCut));
    QVERIFY(h.doc().table().isBlank(2) && h.doc().table().isBlank(3));
    QCOMPARE(QApplication::clipboard()->text(), copied);

    // Delete on cells gives them what a new channel has.
    h.doc().table().setText(5, Power, "Low");
    selectCells(h, 5, Name, 5, Power);
    QTest::keyClick(&h.grid(), Qt::Key_Delete);
    QCOMPARE(h.text(5, Name), QString());
    QCOMPARE(h.text(5, Power), QStringLiteral("High"));
    QVERIFY(answers.seen.isEmpty());
}

void ChannelListTest::rowCommandsStopAtTheEdges() {
    DocumentHarness h;
    h.manager->createNewDocument();
    fillTable(h);
    const program::ChannelTable before = h.doc().table();
    ModalAnswerer answers;

    // At the edges nothing moves.
    selectCells(h, 1, RxFrequency, 1, BusyLock);
    QVERIFY(run(h, command::MoveUp));
    selectCells(h, 127, RxFrequency, 128, BusyLock);
    QVERIFY(run(h, command::MoveDown));
    QVERIFY(h.doc().table() == before);
    QCOMPARE(h.doc().undoStack()->count(), 0);

    // "Fr" never moves: a selection that takes it in is refused with a word.
    selectCells(h, 128, Name, 129, Name);
    QVERIFY(run(h, command::MoveUp));
    QVERIFY(run(h, command::DeleteRow));
    QCOMPARE(answers.seen.size(), 2);
    QVERIFY(h.doc().table() == before);

    // Moving keeps the selection on the channels, so the key can be pressed again.
    selectCells(h, 127, RxFrequency, 128, BusyLock);
    QVERIFY(run(h, command::MoveUp));
    QVERIFY(run(h, command::MoveUp));
    QCOMPARE(names(h, 124, 128), (QStringList{"124", "127", "128", "125", "126"}));

    // Inserting pushes channel 128 off the end: only after a Yes.
    selectCells(h, 1, Name, 1, Name);
    answers.answerWith(QMessageBox::No);
    QVERIFY(run(h, command::InsertRow));
    QCOMPARE(h.text(1, Name), QStringLiteral("1"));
    answers.answerWith(QMessageBox::Yes);
    QVERIFY(run(h, command::InsertRow));
    QVERIFY(answers.done());
    QVERIFY(answers.seen.last().text.contains(QStringLiteral("Channel 128")));
    QCOMPARE(names(h, 1, 2), (QStringList{"", "1"}));
    QCOMPARE(h.text(128, Name), QStringLiteral("125"));
    QCOMPARE(h.text(129, Name), QStringLiteral("129"));

    // Deleting the first row brings everything back up; an empty row comes in at 128.
    selectCells(h, 1, RxFrequency, 1, RxFrequency);
    QVERIFY(run(h, command::DeleteRow));
    QCOMPARE(h.text(1, Name), QStringLiteral("1"));
    QCOMPARE(h.text(128, Name), QString());
}

void ChannelListTest::undoAndRedoEveryKindOfChange() {
    DocumentHarness h;
    ModalAnswerer answers;
    h.manager->createNewDocument();
    fillTable(h);
    QVERIFY(h.manager->saveAs(h.path(QStringLiteral("saved.dat"))));
    QVERIFY(!h.doc().hasUnsavedChanges());
    const program::ChannelTable saved = h.doc().table();
    const program::CodeplugImage savedImage = h.doc().image();
    QUndoStack* history = h.doc().undoStack();

    // A typed cell.
    h.grid().setCurrentIndex(h.cell(1, Name));
    auto* edit = qobject_cast<QLineEdit*>(h.grid().openEditor());
    edit->setText(QStringLiteral("TYPED"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(history->undoText(), QStringLiteral("Edit Chnnel Name"));
    // A settings window's OK: a byte of the features and the band limits.
    program::CodeplugImage edited = h.doc().image();
    edited.set(program::imagemap::BandLimitBlock.offset + 4, 0x48); // U band up to 480 MHz
    edited.set(0xC41, 0x07);
    edited.set(0, 0x12); // a channel byte an editor has no business with
    h.doc().applyEdit(QStringLiteral("Optional Features"), edited);
    QCOMPARE(h.doc().bandLimits().uUpper, 48000000);
    // A grid change after it, a paste, a row command and an import.
    selectCells(h, 2, Name, 2, Name);
    QVERIFY(h.view().operations()->pasteText(QStringLiteral("PASTED")));
    selectCells(h, 3, Name, 3, Name);
    QVERIFY(run(h, command::MoveDown));
    const QString csv =
        writeText(h, QStringLiteral("in.csv"), "Location,Frequency,Name\n5,470.0,IMPORTED\n");
    answers.then([](QDialog* dialog) { dialog->accept(); });
    QVERIFY(CsvExchange::importChannelListFrom(h.doc(), csv, nullptr));
    QCOMPARE(h.text(5, RxFrequency), QStringLiteral("470.00000"));
    QCOMPARE(history->count(), 5);
    const program::ChannelTable last = h.doc().table();

    // The context menu names the step Undo takes back.
    std::unique_ptr<QMenu> menu(h.view().operations()->makeContextMenu(nullptr));
    QVERIFY(menu->actions().first()->text().startsWith(QStringLiteral("&Undo Import CSV")));

    QVERIFY(run(h, command::EditUndo)); // the import
    QCOMPARE(h.text(5, Name), QStringLiteral("5"));
    QVERIFY(run(h, command::EditUndo)); // the move
    QCOMPARE(h.text(3, Name), QStringLiteral("3"));
    QVERIFY(h.grid().selectionModel()->isSelected(h.cell(4, Name)));
    QVERIFY(run(h, command::EditUndo)); // the paste
    QCOMPARE(h.text(2, Name), QStringLiteral("2"));
    // Undoing the settings window gives back its bytes and limits, and nothing of the
    // grid's work: the typed name stays.
    QVERIFY(run(h, command::EditUndo));
    QCOMPARE(h.doc().image().at(0xC41), savedImage.at(0xC41));
    QCOMPARE(h.doc().bandLimits().uUpper, 52000000);
    QCOMPARE(h.text(1, Name), QStringLiteral("TYPED"));
    QVERIFY(h.doc().hasUnsavedChanges());
    QVERIFY(run(h, command::EditUndo)); // the typed name: back at the save point
    QVERIFY(h.doc().table() == saved);
    QVERIFY(!h.doc().hasUnsavedChanges());

    for (int step = 0; step < 5; ++step)
        QVERIFY(run(h, command::EditRedo));
    QVERIFY(h.doc().table() == last);
    QCOMPARE(h.doc().image().at(0xC41), 0x07);
    QCOMPARE(h.doc().image().at(0), savedImage.at(0));
    QVERIFY(h.doc().hasUnsavedChanges());

    // An open editor's text is dropped by Undo, not committed over the step.
    h.grid().setCurrentIndex(h.cell(6, Name));
    edit = qobject_cast<QLineEdit*>(h.grid().openEditor());
    edit->setText(QStringLiteral("DROPPED"));
    QVERIFY(run(h, command::EditUndo));
    QVERIFY(!h.grid().openEditor());
    QCOMPARE(h.text(6, Name), QStringLiteral("6"));
    QCOMPARE(h.text(5, Name), QStringLiteral("5"));
}

void ChannelListTest::csvImportShowsItsReportAndAWholeFileOrNothing() {
    DocumentHarness h(program::Language::Chinese);
    ModalAnswerer answers;
    h.manager->createNewDocument();
    fillTable(h);
    const program::ChannelTable before = h.doc().table();

    // A file cut off in a quoted name: nothing, and a message that says where.
    const QString broken = writeText(h, QStringLiteral("broken.csv"),
                                     "Location,Frequency,Name\n1,145.5,\"A\n2,146.5,B\n");
    QVERIFY(!CsvExchange::importChannelListFrom(h.doc(), broken, nullptr));
    QVERIFY(answers.sawText(QStringLiteral("第 2 行")));
    QVERIFY(h.doc().table() == before);

    // The report lists the rows skipped and why; the options change what is taken;
    // Cancel takes nothing.
    const QString csv = writeText(h, QStringLiteral("list.csv"),
                                  "Location,Frequency,Tone,rToneFreq,Name\n"
                                  "1,145.5,Tone,88.4,A\n"
                                  "2,146.5,,,B\n"
                                  "0,147.5,,,FR\n");
    int listed = -1;
    answers.then([&](QDialog* dialog) {
        auto* report = qobject_cast<ImportReportDlg*>(dialog);
        QVERIFY(report);
        listed = report->reportList()->topLevelItemCount();
        QCOMPARE(report->reportList()->topLevelItem(0)->text(0), QStringLiteral("2"));
        report->includeFrCheck()->click();
        QCOMPARE(report->reportList()->topLevelItemCount(), 1);
        report->replaceCheck()->click();
        QVERIFY(report->result().table.isBlank(3));
        dialog->reject();
    });
    QVERIFY(!CsvExchange::importChannelListFrom(h.doc(), csv, nullptr));
    QCOMPARE(listed, 2);
    QVERIFY(h.doc().table() == before);

    answers.then([](QDialog* dialog) { dialog->accept(); });
    QVERIFY(CsvExchange::importChannelListFrom(h.doc(), csv, nullptr));
    QCOMPARE(h.text(2, Name), QStringLiteral("B"));
    QCOMPARE(h.text(2, Power), QStringLiteral("高")); // in the document's language
    QCOMPARE(h.text(1, Name), QStringLiteral("1"));
    QCOMPARE(h.doc().undoStack()->count(), 1);
}

void ChannelListTest::exportedListsComeBackAsTheyWere() {
    DocumentHarness h;
    h.manager->createNewDocument();
    fillTable(h);
    h.doc().table().setRow(
        7, {"145.60000", "145.00000", "D023I", "67.0", "RPT,1", "Low", "Narrow", "No", "Off"});
    // The entry still being typed is exported too.
    h.grid().setCurrentIndex(h.cell(8, Name));
    qobject_cast<QLineEdit*>(h.grid().openEditor())->setText(QStringLiteral("TYPING"));
    const QString csv = h.path(QStringLiteral("out.csv"));
    QVERIFY(CsvExchange::exportChannelListTo(h.doc(), csv, nullptr));
    QCOMPARE(h.text(8, Name), QStringLiteral("TYPING"));
    const program::ChannelTable exported = h.doc().table();

    ModalAnswerer answers;
    h.manager->createNewDocument();
    answers.then([](QDialog* dialog) { dialog->accept(); });
    QVERIFY(CsvExchange::importChannelListFrom(h.doc(), csv, nullptr));
    for (int row = 1; row <= 128; ++row)
        QCOMPARE(h.doc().table().row(row), exported.row(row));
    QVERIFY(h.doc().table().isBlank(129));
}

GUI_TEST(ChannelListTest);
