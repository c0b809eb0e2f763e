#include "SignallingTestSupport.h"

#include "app/DocumentCommands.h"
#include "common/CommandIds.h"
#include "common/GridCellEditor.h"
#include "model/FactoryDefaults.h"
#include "model/ImageMap.h"
#include "model/ProgramDoc.h"
#include "model/UserSettings.h"
#include "signalling/Dtmf.h"
#include "signalling/DtmfDlg.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

using namespace program;
using namespace program::signalling;
using namespace signallingtest;

namespace {

// The DTMF dialog on a new document's image, shown and active.
struct OpenDtmf {
    explicit OpenDtmf(Language language = Language::English) : dialog(factoryDefaults(), language) {
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    template <class T> T* find(const char* name) { return dialog.findChild<T*>(name); }
    QTabWidget* tabs() { return find<QTabWidget>("tabs"); }

    CDtmfDlg dialog;
};

} // namespace

class DtmfDlgTest : public QObject {
    Q_OBJECT
private slots:
    void tabSwitchesAndClosingStoreWhatWasTyped();
    void spinArrowsStepByTheRulesAndWrap();
    void keysThePagesTake();
    void listsOpenOverTheirEdits();
    void callListCellIsStoredOnTabSwitch();
    void editingIsAnUnsavedChangeOfTheDocument();
};

// A time typed and never left is still stored normalised; closing stores the
// page shown.
void DtmfDlgTest::tabSwitchesAndClosingStoreWhatWasTyped() {
    OpenDtmf open;
    retype(open.find<SpinEdit>("speedEdit"), "12");
    retype(open.find<SpinEdit>("firstDigitDelayEdit"), "2750");
    open.find<QCheckBox>("sideTone")->click();
    clickTab(open.tabs(), 1);
    QCOMPARE(open.tabs()->currentIndex(), 1);
    const DtmfEncode encode = loadDtmfEncode(open.dialog.image());
    QCOMPARE(encode.speed, 10);
    QCOMPARE(encode.firstDigitDelayMs, 1000);
    QVERIFY(!encode.sideTone);

    open.find<QCheckBox>("stunActivation")->click();
    QVERIFY(!open.find<QLineEdit>("stunCodeEdit")->isEnabled());
    QVERIFY(!open.find<QLineEdit>("stunTypeEdit")->isEnabled());
    open.dialog.close();
    QVERIFY(!loadDtmfDecode(open.dialog.image()).stunActivation);
}

void DtmfDlgTest::spinArrowsStepByTheRulesAndWrap() {
    OpenDtmf open;
    auto* speed = open.find<SpinEdit>("speedEdit");
    retype(speed, "15");
    clickArrow(speed, Spin::Up);
    QCOMPARE(speed->text(), QStringLiteral("6"));
    auto* delay = open.find<SpinEdit>("firstDigitDelayEdit");
    retype(delay, "275");
    clickArrow(delay, Spin::Up);
    QCOMPARE(delay->text(), QStringLiteral("300"));
    auto* time = open.find<SpinEdit>("firstDigitTimeEdit");
    retype(time, "700");
    time->clearFocus();
    QCOMPARE(time->text(), QStringLiteral("500"));
    clickArrow(time, Spin::Up);
    clickArrow(time, Spin::Up);
    QCOMPARE(time->text(), QStringLiteral("0"));
}

void DtmfDlgTest::keysThePagesTake() {
    OpenDtmf open;
    // Encode: digits only; Tab goes nowhere.
    auto* speed = open.find<SpinEdit>("speedEdit");
    retype(speed, "1a#8");
    QCOMPARE(speed->text(), QStringLiteral("18"));
    QTest::keyClick(speed, Qt::Key_Tab);
    QVERIFY(speed->hasFocus());

    clickTab(open.tabs(), 1);
    auto* stun = open.find<QLineEdit>("stunCodeEdit");
    stun->setFocus();
    QTest::keyClicks(stun, QStringLiteral("1aed"));
    QTest::keyClick(stun, Qt::Key_NumberSign, Qt::ShiftModifier);
    QTest::keyClick(stun, Qt::Key_8, Qt::ShiftModifier);
    QTest::keyClick(stun, Qt::Key_A, Qt::ShiftModifier);
    QCOMPARE(stun->text(), QStringLiteral("1AD#*"));
    // The ID code takes what the radio can send, letters in capitals.
    auto* id = open.find<QLineEdit>("idCodeEdit");
    QTest::keyClicks(id, QStringLiteral("hello ab-1#"));
    QCOMPARE(id->text(), QStringLiteral("AB1#"));
}

void DtmfDlgTest::listsOpenOverTheirEdits() {
    OpenDtmf open(Language::Chinese);
    clickTab(open.tabs(), 1);
    auto* edit = open.find<QLineEdit>("groupCodeEdit");
    auto* list = open.find<QComboBox>("groupCodeList");
    QCOMPARE(edit->text(), QStringLiteral("A"));
    edit->setFocus();
    QVERIFY(list->isVisible() && list->hasFocus() && !edit->isVisible());
    QCOMPARE(list->currentText(), QStringLiteral("A"));
    // Its drop-down may take the focus into itself while it is open.
    list->showPopup();
    list->view()->setFocus();
    list->hidePopup();
    QVERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Home); // "关"
    open.find<QLineEdit>("idCodeEdit")->setFocus();
    QVERIFY(!list->isVisible() && edit->isVisible());
    QCOMPARE(edit->text(), QStringLiteral("关"));

    open.find<QLineEdit>("stunTypeEdit")->setFocus();
    QTest::keyClick(open.find<QComboBox>("stunTypeList"), Qt::Key_Down);
    // Closing with the list open takes its choice.
    open.dialog.close();
    const DtmfDecode decode = loadDtmfDecode(open.dialog.image());
    QCOMPARE(decode.groupCode, DtmfDecode::GroupCodeOff);
    QCOMPARE(decode.stunType, 1);
}

void DtmfDlgTest::callListCellIsStoredOnTabSwitch() {
    OpenDtmf open;
    clickTab(open.tabs(), 2);
    auto* grid = open.find<QTableWidget>("callList");
    grid->setFocus();
    grid->setCurrentCell(2, 0);
    auto* cells = qobject_cast<GridCellEditor*>(grid->itemDelegate());
    QLineEdit* edit = cells->openEdit();
    QVERIFY(edit);
    QTest::keyClicks(edit, QStringLiteral("12ab"));
    QTest::keyClick(edit, Qt::Key_3, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Return); // refused: the edit stays open
    QVERIFY(cells->openEdit());
    clickTab(open.tabs(), 0);
    QCOMPARE(loadDtmfCallList(open.dialog.image()).calls[2], std::string("12AB#"));
}

// The editor's result reaches the document as a change the exit question sees;
// opening and closing a new document's dialog changes nothing.
void DtmfDlgTest::editingIsAnUnsavedChangeOfTheDocument() {
    ProgramState state;
    UserSettings settings(QStringLiteral("DtmfDlgTest"));
    CProgramDoc doc(state, settings);
    doc.initNew();
    QVERIFY(!doc.hasUnsavedChanges());
    {
        testsupport::ModalAnswerer answers{[](QDialog* dialog) { dialog->close(); }};
        QVERIFY(runDocumentCommand(command::Dtmf, doc, nullptr));
        QVERIFY(answers.done());
    }
    QVERIFY(!doc.hasUnsavedChanges());
    testsupport::ModalAnswerer answers{[](QDialog* dialog) {
        dialog->findChild<QCheckBox*>("sideTone")->click();
        dialog->close();
    }};
    QVERIFY(runDocumentCommand(command::Dtmf, doc, nullptr));
    QVERIFY(doc.hasUnsavedChanges());
    QVERIFY(!loadDtmfEncode(doc.image()).sideTone);
}

GUI_TEST(DtmfDlgTest);
#include "DtmfDlgTest.moc"
