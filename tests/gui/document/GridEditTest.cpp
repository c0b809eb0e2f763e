#include "DocumentHarness.h"
#include "DocumentTests.h"

#include "app/LanguagePack.h"
#include "common/CommandIds.h"
#include "common/ControlIds.h"
#include "help/ContextHelp.h"
#include "link/ProgressDlg.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace program::column;
using testsupport::ModalAnswerer;

namespace {

// Makes (row, column) the current cell, which opens its editor.
QWidget* enterCell(DocumentHarness& h, int row, int column) {
    h.grid().setCurrentIndex(h.cell(row, column));
    return h.grid().openEditor();
}

QLineEdit* typeInto(DocumentHarness& h, int row, int column, const QString& keys) {
    auto* edit = qobject_cast<QLineEdit*>(enterCell(h, row, column));
    if (edit) {
        edit->clear();
        QTest::keyClicks(edit, keys);
    }
    return edit;
}

void addChannel(DocumentHarness& h, int row) {
    h.doc().table().setRow(
        row, {"145.00000", "145.00000", "None", "None", "", "High", "Wide", "Yes", "Off"});
}

} // namespace

void GridEditTest::gridShowsTheTableWithItsLabelsAndHeaders() {
    DocumentHarness h;
    h.manager->createNewDocument();
    QAbstractItemModel* model = h.grid().model();
    QCOMPARE(model->rowCount(), 129);
    QCOMPARE(model->columnCount(), 9);
    QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    QCOMPARE(model->headerData(127, Qt::Vertical).toString(), QStringLiteral("128"));
    QCOMPARE(model->headerData(128, Qt::Vertical).toString(), QStringLiteral("Fr"));
    QCOMPARE(model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Chnnel Name"));
    QCOMPARE(h.grid().channelModel()->labelHeader(), QStringLiteral("CH"));
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
             QColor(0, 50, 240));
    QCOMPARE(model->data(h.cell(1, Name), Qt::FontRole).value<QFont>().family(),
             QStringLiteral("Courier"));

    // The widths keep their proportions to the label column.
    const double unit = h.grid().verticalHeader()->width() / 0.5;
    QVERIFY(std::abs(h.grid().columnWidth(0) - 1.06 * unit) <= 2);
    QVERIFY(std::abs(h.grid().columnWidth(6) - 0.86 * unit) <= 2);
    QVERIFY(std::abs(h.grid().columnWidth(8) - 1.05 * unit) <= 2);

    // The grid shows what the table holds after a reload.
    addChannel(h, 2);
    h.doc().gridToImage();
    h.doc().imageToGrid();
    QCOMPARE(model->data(h.cell(2, RxFrequency)).toString(), QStringLiteral("145.00000"));
}

void GridEditTest::typedReceiveFrequencyFillsANewChannel() {
    DocumentHarness h;
    h.manager->createNewDocument();
    QLineEdit* edit = typeInto(h, 1, RxFrequency, QStringLiteral("145.0125"));
    QVERIFY(edit);
    QCOMPARE(edit->objectName(), QStringLiteral("frequencyEdit"));
    QTest::keyClick(edit, Qt::Key_Tab);

    const QStringList expected{"145.01250", "145.01250", "None", "None", "",
                               "High",      "Wide",      "Yes",  "Off"};
    for (int column = RxFrequency; column <= BusyLock; ++column)
        QCOMPARE(h.text(1, column), expected.at(column - 1));
    // Tab went on to the transmit frequency, whose editor is open now.
    QCOMPARE(h.grid().currentIndex(), h.cell(1, TxFrequency));
    QVERIFY(qobject_cast<QLineEdit*>(h.grid().openEditor()));

    // Enter commits and goes down a row, as in a spreadsheet; "Fr" edits like any row.
    edit = typeInto(h, 129, RxFrequency, QStringLiteral("446.00625"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(h.text(129, TxFrequency), QStringLiteral("446.00625"));
    QCOMPARE(h.grid().currentIndex(), h.cell(129, RxFrequency)); // no row below

    // An out-of-band transmit frequency becomes the V band's lower limit.
    edit = typeInto(h, 1, TxFrequency, QStringLiteral("200"));
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(h.text(1, TxFrequency), QStringLiteral("136.00000"));
    QCOMPARE(h.grid().currentIndex(), h.cell(2, TxFrequency));
}

void GridEditTest::frequencyEditTakesOnlyDigitsAndThePoint() {
    DocumentHarness h;
    h.manager->createNewDocument();
    QLineEdit* edit = typeInto(h, 1, RxFrequency, QStringLiteral("1a4b5.x0-+ 1"));
    QCOMPARE(edit->text(), QStringLiteral("145.01"));
    QTest::keyClick(edit, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(edit, Qt::Key_5, Qt::ShiftModifier); // '%' on most keyboards
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("145.0"));
    QTest::keyClicks(edit, QStringLiteral("1234567890"));
    QCOMPARE(edit->text().size(), 9);
}

void GridEditTest::refusedReceiveFrequencyKeepsTheEditorOpen() {
    DocumentHarness h;
    h.manager->createNewDocument();
    ModalAnswerer answers;

    QLineEdit* edit = typeInto(h, 1, RxFrequency, QStringLiteral("700"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(answers.seen[0].text, QStringLiteral("Error Data Format, please input again."));
    QCOMPARE(answers.seen[0].title, QStringLiteral("Caution"));
    QCOMPARE(answers.seen[0].icon, QMessageBox::Critical);
    QCOMPARE(h.grid().openEditor(), edit);
    QCOMPARE(edit->text(), QStringLiteral("700"));
    QCOMPARE(h.grid().currentIndex(), h.cell(1, RxFrequency));
    QCOMPARE(h.text(1, RxFrequency), QString());

    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("200"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(answers.seen[1].text, QStringLiteral("Out of range, please input again."));
    QCOMPARE(answers.seen[1].icon, QMessageBox::Warning);

    // After a new document the U band reaches 520 MHz.
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("500"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(answers.seen.size(), 2);
    QCOMPARE(h.text(1, RxFrequency), QStringLiteral("500.00000"));
}

void GridEditTest::enterClearsTheEditBoxWhereLeavingKeepsTheText() {
    DocumentHarness h;
    h.manager->createNewDocument();
    addChannel(h, 4);
    ModalAnswerer answers;

    // Off both the 5 kHz and 6.25 kHz raster: the channel is kept as it was.
    QLineEdit* edit = typeInto(h, 4, RxFrequency, QStringLiteral("145.0120"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(answers.sawText(QStringLiteral("step value(6.25K/5k)")));
    QCOMPARE(h.text(4, RxFrequency), QStringLiteral("145.00000"));
    QCOMPARE(h.text(4, BusyLock), QStringLiteral("Off"));
    QCOMPARE(h.grid().openEditor(), edit);
    QCOMPARE(edit->text(), QStringLiteral("145.0120"));

    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(answers.seen.size(), 2);
    QCOMPARE(h.grid().openEditor(), edit);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(h.grid().currentIndex(), h.cell(4, RxFrequency));
    QCOMPARE(h.text(4, RxFrequency), QStringLiteral("145.00000"));

    // Leaving the box Enter emptied changes nothing; a second Enter neither.
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(h.text(4, RxFrequency), QStringLiteral("145.00000"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(answers.seen.size(), 2);
    QCOMPARE(h.text(4, RxFrequency), QStringLiteral("145.00000"));
    QCOMPARE(h.text(4, BusyLock), QStringLiteral("Off"));

    // Emptying the receive frequency yourself and leaving deletes the channel.
    edit = typeInto(h, 4, RxFrequency, QStringLiteral("1"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(answers.seen.size(), 2);
    for (int column = RxFrequency; column <= BusyLock; ++column)
        QCOMPARE(h.text(4, column), QString());
}

void GridEditTest::aClickElsewhereDoesNotLeaveARefusedCell() {
    DocumentHarness h;
    h.manager->createNewDocument();
    ModalAnswerer answers;
    QLineEdit* edit = typeInto(h, 2, RxFrequency, QStringLiteral("700"));
    const QPoint elsewhere = h.grid().visualRect(h.cell(5, Name)).center();
    QTest::mouseClick(h.grid().viewport(), Qt::LeftButton, {}, elsewhere);
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(h.grid().currentIndex(), h.cell(2, RxFrequency));
    QCOMPARE(h.grid().openEditor(), edit);

    // With an accepted entry the click moves on and opens the clicked cell's editor.
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("145.5"));
    QTest::mouseClick(h.grid().viewport(), Qt::LeftButton, {}, elsewhere);
    QCOMPARE(h.text(2, RxFrequency), QStringLiteral("145.50000"));
    QCOMPARE(h.grid().currentIndex(), h.cell(5, Name));
}

void GridEditTest::listsCommitTheChosenItem() {
    DocumentHarness h;
    h.manager->createNewDocument();
    addChannel(h, 1);

    auto* power = qobject_cast<QComboBox*>(enterCell(h, 1, Power));
    QVERIFY(power);
    QCOMPARE(power->count(), 2);
    QCOMPARE(power->currentText(), QStringLiteral("High"));
    QTest::keyClick(power, Qt::Key_Up);
    QCOMPARE(power->currentText(), QStringLiteral("Low"));
    QTest::keyClick(power, Qt::Key_Tab);
    QCOMPARE(h.text(1, Power), QStringLiteral("Low"));

    auto* tone = qobject_cast<QComboBox*>(enterCell(h, 1, DecodeTone));
    QCOMPARE(tone->count(), 261);
    QCOMPARE(tone->currentText(), QStringLiteral("None"));
    tone->setCurrentIndex(tone->findText(QStringLiteral("D023N")));
    QTest::keyClick(tone, Qt::Key_Return);
    QCOMPARE(h.text(1, DecodeTone), QStringLiteral("D023N"));
    QCOMPARE(h.grid().currentIndex(), h.cell(2, DecodeTone));
}

void GridEditTest::passingThroughListsKeepsWhatTheCellsHold() {
    // Row 1 carries tones the list lacks (100.5 Hz, D024N), as other software
    // writes them; row 2 has no transmit frequency, so its settings are empty.
    DocumentHarness h;
    h.manager->createNewDocument();
    addChannel(h, 1);
    h.doc().table().setText(2, RxFrequency, "146.00000");
    const QString file = h.path(QStringLiteral("unlisted.dat"));
    QVERIFY(h.manager->saveAs(file));
    std::vector<std::uint8_t> bytes = testsupport::readBytes(file.toStdString());
    const std::uint8_t unlistedTones[] = {0x05, 0x10, 0x24, 0x80};
    std::copy(std::begin(unlistedTones), std::end(unlistedTones), bytes.begin() + 8);
    testsupport::writeBytes(file.toStdString(), bytes);
    QVERIFY(h.manager->openDocument(file));
    QCOMPARE(h.text(1, DecodeTone), QStringLiteral("100.5"));

    // The list shows the cell's tone as its current entry.
    auto* tone = qobject_cast<QComboBox*>(enterCell(h, 1, DecodeTone));
    QCOMPARE(tone->currentText(), QStringLiteral("100.5"));
    QCOMPARE(tone->count(), 262);

    // Tab through both rows and back, Up and Down through the edit boxes, and a
    // click from a list elsewhere: nothing was chosen, so nothing changes.
    enterCell(h, 1, RxFrequency);
    for (int step = 0; step < 2 * 9; ++step)
        QTest::keyClick(h.grid().openEditor(), Qt::Key_Tab);
    for (int step = 0; step < 9; ++step)
        QTest::keyClick(h.grid().openEditor(), Qt::Key_Backtab);
    QTest::keyClick(enterCell(h, 1, Name), Qt::Key_Down);
    QTest::keyClick(h.grid().openEditor(), Qt::Key_Up);
    enterCell(h, 1, EncodeTone);
    QTest::mouseClick(h.grid().viewport(), Qt::LeftButton, {},
                      h.grid().visualRect(h.cell(3, Name)).center());
    QVERIFY(h.manager->save());
    QCOMPARE(testsupport::readBytes(file.toStdString()), bytes);
}

void GridEditTest::nameEditHoldsWhatTheNameFieldHolds() {
    DocumentHarness h;
    h.manager->createNewDocument();
    addChannel(h, 1);
    QLineEdit* name = typeInto(h, 1, Name, QStringLiteral("REPEATERS"));
    QCOMPARE(name->objectName(), QStringLiteral("nameEdit"));
    QCOMPARE(name->text(), QStringLiteral("REPEATER"));
    QTest::keyClick(name, Qt::Key_Backtab);
    QCOMPARE(h.text(1, Name), QStringLiteral("REPEATER"));
    QCOMPARE(h.grid().currentIndex(), h.cell(1, EncodeTone));

    // An eight-byte name from a file is shown whole and kept when the cell is
    // only passed through.
    h.doc().table().setText(1, Name, "ABCDEFGH");
    name = qobject_cast<QLineEdit*>(enterCell(h, 1, Name));
    QCOMPARE(name->text(), QStringLiteral("ABCDEFGH"));
    enterCell(h, 1, Power);
    QCOMPARE(h.text(1, Name), QStringLiteral("ABCDEFGH"));

    // A name the radio cannot show is refused in the user's language and the
    // cell keeps its name.
    ModalAnswerer answers;
    name = qobject_cast<QLineEdit*>(enterCell(h, 1, Name));
    QInputMethodEvent typed; // as an input method enters Chinese
    typed.setCommitString(QStringLiteral("信道"));
    QCoreApplication::sendEvent(name, &typed);
    QTest::keyClick(name, Qt::Key_Tab);
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY(answers.seen[0].text.contains(QStringLiteral("cannot show \"信道\"")));
    QCOMPARE(answers.seen[0].icon, QMessageBox::Warning);
    QCOMPARE(h.grid().openEditor(), name);
    QCOMPARE(h.text(1, Name), QStringLiteral("ABCDEFGH"));
}

void GridEditTest::escapeDropsTheEdit() {
    DocumentHarness h;
    h.manager->createNewDocument();
    addChannel(h, 1);
    QLineEdit* edit = typeInto(h, 1, RxFrequency, QStringLiteral("146"));
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(!h.grid().openEditor());
    QCOMPARE(h.text(1, RxFrequency), QStringLiteral("145.00000"));
    QVERIFY(h.grid().commitOpenEditor()); // nothing open: nothing to refuse
}

void GridEditTest::f1GivesTheEditorsHelpContexts() {
    DocumentHarness h;
    h.manager->createNewDocument();
    addChannel(h, 1);
    const std::pair<int, int> expected[] = {
        {RxFrequency, 2127}, {TxFrequency, 2128}, {DecodeTone, 2132},
        {EncodeTone, 2133},  {Name, 1126},        {Power, 1129},
        {Bandwidth, 1128},   {ScanAdd, 1134},     {BusyLock, 1130}};
    for (const auto& [column, context] : expected) {
        QCOMPARE(ContextHelp::requestFor(enterCell(h, 1, column)).context, context);
    }
    QTest::keyClick(enterCell(h, 1, Name), Qt::Key_Escape);
    QCOMPARE(ContextHelp::requestFor(&h.grid()).context, gridcontrol::Grid);
}

void GridEditTest::chineseRunShowsChineseHeadersAndLists() {
    DocumentHarness h(program::Language::Chinese);
    h.manager->createNewDocument();
    QCOMPARE(h.frame()->windowTitle(), QStringLiteral("信道信息"));
    QAbstractItemModel* model = h.grid().model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("接收频率"));
    QCOMPARE(h.grid().channelModel()->labelHeader(), QStringLiteral("信道"));

    QLineEdit* edit = typeInto(h, 1, RxFrequency, QStringLiteral("145.0125"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(h.text(1, DecodeTone), QStringLiteral("无"));
    QCOMPARE(h.text(1, Power), QStringLiteral("高"));
    auto* power = qobject_cast<QComboBox*>(enterCell(h, 1, Power));
    QCOMPARE(power->itemText(0), QStringLiteral("低"));
    QCOMPARE(power->currentText(), QStringLiteral("高"));

    // With the Chinese pack loaded, the windows and the messages speak Chinese.
    LanguagePack pack;
    const QString folder = QString::fromLocal8Bit(qgetenv("PROGRAM_BIN_DIR")) + QLatin1Char('/');
    if (!pack.load(LanguagePack::fileFor(folder, QStringLiteral("Chinese"))))
        QSKIP("the Chinese language pack is not built");
    h.view().handleCommand(command::Read);
    CProgressDlg* progress = h.view().progressDialog();
    QCOMPARE(progress->windowTitle(), QStringLiteral("读数据"));
    QCOMPARE(progress->statusLabel()->text(), QStringLiteral("尚未开始"));
    QTest::mouseClick(progress->cancelButton(), Qt::LeftButton);

    ModalAnswerer answers;
    QLineEdit* rx = typeInto(h, 2, RxFrequency, QStringLiteral("700"));
    QTest::keyClick(rx, Qt::Key_Tab);
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY(!answers.seen[0].text.contains(QStringLiteral("Error")));
    QVERIFY(!answers.seen[0].title.contains(QStringLiteral("Caution")));
}

GUI_TEST(GridEditTest);
