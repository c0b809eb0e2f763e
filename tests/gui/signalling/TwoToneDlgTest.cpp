#include "SignallingTestSupport.h"

#include "app/DocumentCommands.h"
#include "common/CommandIds.h"
#include "common/GridCellEditor.h"
#include "model/FactoryDefaults.h"
#include "model/Fields.h"
#include "model/ImageMap.h"
#include "model/ProgramDoc.h"
#include "model/UserSettings.h"
#include "signalling/TwoTone.h"
#include "signalling/TwoToneDlg.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>

using namespace program;
using namespace program::signalling;
using namespace signallingtest;

namespace {

struct OpenTwoTone {
    explicit OpenTwoTone(const CodeplugImage& image = factoryDefaults()) : dialog(image) {
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    QTabWidget* tabs() { return dialog.findChild<QTabWidget*>("tabs"); }
    QTabWidget* entries() { return dialog.findChild<QTabWidget*>("entries"); }
    // An edit of the encode page, or of the decode entry shown.
    SpinEdit* encodeEdit(const char* name) {
        return dialog.findChild<QWidget*>("encodePage")->findChild<SpinEdit*>(name);
    }
    SpinEdit* entryEdit(const char* name) {
        return entries()->currentWidget()->findChild<SpinEdit*>(name);
    }

    CTwoToneDlg dialog;
};

bool tuningUnchanged(const CodeplugImage& before, const CodeplugImage& after) {
    const auto tuning = imagemap::Tuning;
    return std::equal(before.bytes().begin() + tuning.offset, before.bytes().begin() + tuning.end(),
                      after.bytes().begin() + tuning.offset);
}

} // namespace

class TwoToneDlgTest : public QObject {
    Q_OBJECT
private slots:
    void decodeTabsStoreTheEntryLeftAndLoadTheOneChosen();
    void closingStoresUnleftValuesClamped();
    void encodeGridCellCommitsOnTabSwitch();
    void keysAndSpinArrows();
    void openingAndClosingLeavesTheTuningAlone();
};

void TwoToneDlgTest::decodeTabsStoreTheEntryLeftAndLoadTheOneChosen() {
    CodeplugImage image = factoryDefaults();
    field::setU16be(image.bytes(), imagemap::TwoToneDecodeEntries.offset + 16, 12345);
    OpenTwoTone open(image);
    QCOMPARE(open.entries()->count(), 8);
    QCOMPARE(open.entries()->tabText(7), QStringLiteral("2-Tone8"));
    clickTab(open.tabs(), 1);
    retype(open.entryEdit("aToneEdit"), "1000");
    // Going to Encode and back keeps the entry's working value in its edit.
    clickTab(open.tabs(), 0);
    clickTab(open.tabs(), 1);
    QVERIFY(open.entryEdit("aToneEdit")->text().startsWith(QStringLiteral("1000")));
    QCOMPARE(loadTwoToneDecode(open.dialog.image(), 1).aTone, 20000);
    clickTab(open.entries(), 2);
    QCOMPARE(loadTwoToneDecode(open.dialog.image(), 1).aTone, 10000);
    QCOMPARE(
        field::u16be(open.dialog.image().bytes(), imagemap::TwoToneDerivedDecodeEntries.offset),
        896);
    QCOMPARE(open.entryEdit("aToneEdit")->text(), QStringLiteral("1234.5"));
}

// Values typed and not followed by a focus change reach the image in range.
void TwoToneDlgTest::closingStoresUnleftValuesClamped() {
    {
        OpenTwoTone open;
        retype(open.encodeEdit("firstDelayEdit"), "99.9");
        open.dialog.close();
        QCOMPARE(loadTwoToneEncode(open.dialog.image()).firstDelay, 100);
    }
    OpenTwoTone open;
    clickTab(open.tabs(), 1);
    auto* tone = open.entryEdit("bToneEdit");
    tone->setFocus();
    tone->selectAll();
    QTest::keyClick(tone, Qt::Key_Delete);
    open.dialog.close();
    QCOMPARE(loadTwoToneDecode(open.dialog.image(), 1).bTone, 2885);
}

void TwoToneDlgTest::encodeGridCellCommitsOnTabSwitch() {
    OpenTwoTone open;
    auto* grid = open.dialog.findChild<QTableWidget*>("encodeGrid");
    grid->setFocus();
    auto* cells = qobject_cast<GridCellEditor*>(grid->itemDelegate());
    grid->setCurrentCell(0, 1);
    QTest::keyClick(cells->openEdit(), Qt::Key_Delete); // the text is selected: empties it
    grid->setCurrentCell(4, 0);
    QTest::keyClicks(cells->openEdit(), QStringLiteral("5000")); // over the selected text
    grid->setCurrentCell(5, 1);
    QTest::keyClicks(cells->openEdit(), QStringLiteral("1500.5"));
    clickTab(open.tabs(), 1);
    QCOMPARE(grid->item(4, 0)->text(), QStringLiteral("3106.0"));
    QCOMPARE(grid->item(5, 1)->text(), QStringLiteral("1500.5"));
    const TwoToneEncode encode = loadTwoToneEncode(open.dialog.image());
    QVERIFY(!encode.pairs[0][1]);
    QCOMPARE(encode.pairs[4][0], std::optional<int>(31060));
}

void TwoToneDlgTest::keysAndSpinArrows() {
    OpenTwoTone open;
    auto* rise = open.encodeEdit("txRiseEdit");
    rise->setFocus();
    rise->selectAll();
    QTest::keyClicks(rise, QStringLiteral("0.3")); // the main keyboard's full stop
    QCOMPARE(rise->text(), QStringLiteral("0.3"));
    retype(rise, "0");
    QTest::keyClick(rise, Qt::Key_Comma, Qt::KeypadModifier); // a keypad point in any locale
    QTest::keyClicks(rise, QStringLiteral("37"));
    QCOMPARE(rise->text(), QStringLiteral("0.37"));
    clickArrow(rise, Spin::Up);
    QCOMPARE(rise->text(), QStringLiteral("0.40"));
    retype(rise, "1.00");
    QTest::keyClick(rise, Qt::Key_Up);
    QCOMPARE(rise->text(), QStringLiteral("0.10"));
    QTest::keyClick(rise, Qt::Key_Tab);
    QVERIFY(rise->hasFocus());

    clickTab(open.tabs(), 1);
    auto* interval = open.entryEdit("intervalEdit");
    retype(interval, "0.0");
    clickArrow(interval, Spin::Down);
    QCOMPARE(interval->text(), QStringLiteral("2.0"));
}

void TwoToneDlgTest::openingAndClosingLeavesTheTuningAlone() {
    ProgramState state;
    UserSettings settings(QStringLiteral("TwoToneDlgTest"));
    CProgramDoc doc(state, settings);
    doc.initNew();
    // A read image: every byte something.
    CodeplugImage read = doc.image();
    for (std::size_t at = 0; at < CodeplugImage::Size; ++at)
        read.set(at, std::uint8_t(at * 7 + 3));
    for (const CodeplugImage& image : {doc.image(), read}) {
        doc.applyEdit(QStringLiteral("test"), image);
        testsupport::ModalAnswerer answers{[](QDialog* dialog) { dialog->close(); }};
        QVERIFY(runDocumentCommand(command::TwoTone, doc, nullptr));
        QVERIFY(answers.done());
        QVERIFY(tuningUnchanged(image, doc.image()));
    }
}

GUI_TEST(TwoToneDlgTest);
#include "TwoToneDlgTest.moc"
