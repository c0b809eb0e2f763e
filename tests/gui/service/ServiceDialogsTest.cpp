#include "app/DocumentCommands.h"
#include "app/ProgramState.h"
#include "channels/ChannelColumns.h"
#include "common/CommandIds.h"
#include "common/ControlIds.h"
#include "common/GridCellEditor.h"
#include "gui/document/DocumentHarness.h"
#include "help/ContextHelp.h"
#include "model/FactoryDefaults.h"
#include "service/ParamAdjustDlg.h"
#include "service/ServicePasswordDlg.h"
#include "service/SoftwareInfoDlg.h"
#include "service/SqlTuningDlg.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using program::service::SoftwareInfo;
using testsupport::ModalAnswerer;

class SqlTuningTest : public QObject {
    Q_OBJECT
private slots:
    void cellsTakeFiveToHundredAndLabelsTakeNoInput();
    void buttonsChangeTheGridAndOkStoresIt();
};

class ParamAdjustTest : public QObject {
    Q_OBJECT
private slots:
    void passwordIsAskedAtEveryOpeningAndSaysNothing();
    void okStoresTheListsAsTheDialogNormalisesThem();
    void chineseRunLabelsTheDetectTable();
};

class SoftwareInfoTest : public QObject {
    Q_OBJECT
private slots:
    void vSectionNarrowsTheGridsBandLimits();
    void leavingALimitRunsItsCheck();
};

namespace {

void clickCell(QTableWidget* grid, int row, int column) {
    const QRect cell = grid->visualItemRect(grid->item(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

bool showActive(QWidget& dialog) {
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

void clickOk(QDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

// Answers the service password dialog with `typed`.
ModalAnswerer::Step typePassword(const QString& typed) {
    return [typed](QDialog* dialog) {
        auto* password = qobject_cast<ServicePasswordDlg*>(dialog);
        QVERIFY(password);
        QTest::keyClicks(password->passwordEdit(), typed);
        clickOk(password);
    };
}

} // namespace

void SqlTuningTest::cellsTakeFiveToHundredAndLabelsTakeNoInput() {
    program::ProgramState state;
    SqlTuningDlg dialog(program::factoryDefaults(), state, {});
    QVERIFY(showActive(dialog));
    QTableWidget* grid = dialog.grid();
    QCOMPARE(grid->rowCount(), 18);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("130-139"));
    QCOMPARE(grid->item(5, 0)->text(), QStringLiteral("400-409"));
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Sql (5 - 100)"));
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("38"));

    // A click on a label only marks it.
    clickCell(grid, 3, 0);
    QVERIFY(!dialog.cellEditor()->openEdit());
    QCOMPARE(grid->currentColumn(), 0);

    // A click on a value lays the edit over it with its text selected.
    clickCell(grid, 2, 1);
    QLineEdit* edit = dialog.cellEditor()->openEdit();
    QVERIFY(edit);
    QCOMPARE(edit->selectedText(), QStringLiteral("38"));
    QCOMPARE(ContextHelp::controlId(edit), servicecontrol::SqlCellEdit);
    QCOMPARE(ContextHelp::requestFor(edit).context, servicecontrol::SqlCellEdit);
    QTest::keyClicks(edit, QStringLiteral("2500"));
    QCOMPARE(edit->text(), QStringLiteral("250")); // three characters at most

    // Leaving the cell commits what was typed, brought into 5 ... 100.
    clickCell(grid, 4, 1);
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("100"));
    edit = dialog.cellEditor()->openEdit();
    QVERIFY(edit);
    QTest::keyClicks(edit, QStringLiteral("ab"));
    grid->setFocus();
    QCOMPARE(grid->item(4, 1)->text(), QStringLiteral("5"));
}

void SqlTuningTest::buttonsChangeTheGridAndOkStoresIt() {
    program::CodeplugImage image = program::factoryDefaults();
    image.set(0xFA0, 100);
    image.set(0xFA1, 5);
    image.set(0xFA5, 0x00);
    program::ProgramState state;
    SqlTuningDlg dialog(image, state, {});
    QTest::mouseClick(dialog.plusOneButton(), Qt::LeftButton);
    QCOMPARE(dialog.grid()->item(0, 1)->text(), QStringLiteral("5"));
    QCOMPARE(dialog.grid()->item(1, 1)->text(), QStringLiteral("6"));
    QTest::mouseClick(dialog.minusOneButton(), Qt::LeftButton);
    QCOMPARE(dialog.grid()->item(0, 1)->text(), QStringLiteral("100"));
    // The buttons change the grid, not the image.
    QVERIFY(dialog.image() == image);
    QVERIFY(!dialog.imageToKeep());

    dialog.accept();
    const auto kept = dialog.imageToKeep();
    QVERIFY(kept);
    QCOMPARE(kept->at(0xFA0), 100);
    QCOMPARE(kept->at(0xFA1), 5);
    QCOMPARE(kept->at(0xFA5), 0x1A);

    SqlTuningDlg cancelled(image, state, {});
    QTest::mouseClick(cancelled.plusOneButton(), Qt::LeftButton);
    cancelled.reject();
    QVERIFY(!cancelled.imageToKeep());
}

void ParamAdjustTest::passwordIsAskedAtEveryOpeningAndSaysNothing() {
    DocumentHarness h;
    h.manager->createNewDocument();
    ModalAnswerer answers{[](QDialog* dialog) {
        auto* password = qobject_cast<ServicePasswordDlg*>(dialog);
        QVERIFY(password);
        QCOMPARE(password->passwordEdit()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(password->passwordEdit(), QStringLiteral("457qrs12345"));
        QCOMPARE(password->passwordEdit()->text().size(), 8);
        password->passwordEdit()->clear();
        QTest::keyClicks(password->passwordEdit(), QStringLiteral("457QR"));
        clickOk(password);
    }};
    QVERIFY(runDocumentCommand(command::ParameterAdjust, h.doc(), &h.window));
    QVERIFY(answers.done());
    QCOMPARE(answers.seen.size(), 1); // the password dialog, and no message after it
    QVERIFY(!h.doc().hasUnsavedChanges());

    // The code in lower case opens the dialog; a change made there is a change
    // of the document.
    answers.then(typePassword(QStringLiteral("457qrs")));
    answers.then([](QDialog* dialog) {
        auto* params = qobject_cast<ParamAdjustDlg*>(dialog);
        QVERIFY(params);
        params->lists()[0]->setCurrentIndex(20);
        clickOk(params);
    });
    runDocumentCommand(command::ParameterAdjust, h.doc(), &h.window);
    QVERIFY(answers.done());
    QCOMPARE(h.doc().image().at(0xFC7), 20);
    QVERIFY(h.doc().hasUnsavedChanges());

    // And the code is asked for again.
    answers.then(typePassword(QStringLiteral("457QRS")));
    answers.then([](QDialog* dialog) {
        QVERIFY(qobject_cast<ParamAdjustDlg*>(dialog));
        dialog->reject();
    });
    runDocumentCommand(command::ParameterAdjust, h.doc(), &h.window);
    QVERIFY(answers.done());
}

void ParamAdjustTest::okStoresTheListsAsTheDialogNormalisesThem() {
    program::CodeplugImage image = program::factoryDefaults();
    image.set(0xFC9, 5); // Mic amp gain
    program::ProgramState state;
    ParamAdjustDlg dialog(image, state, {});
    const QList<QComboBox*> lists = dialog.lists();
    QCOMPARE(lists[2]->currentText(), QStringLiteral("5"));
    QCOMPARE(lists[7]->currentText(), QStringLiteral("-10")); // the new document's 0xFF

    // F1 asks for the list's own topic, not for the Port Setting button of its id.
    QCOMPARE(ContextHelp::requestFor(lists[2]->lineEdit()).context, servicecontrol::MicAmpGainHelp);
    lists[2]->lineEdit()->selectAll();
    QTest::keyClicks(lists[2]->lineEdit(), QStringLiteral("200"));
    QCOMPARE(lists[2]->count(), 16); // typing adds no entry
    lists[3]->setCurrentText(QStringLiteral("150"));
    lists[6]->setCurrentText(QStringLiteral("-3"));
    dialog.accept();

    const auto kept = dialog.imageToKeep();
    QVERIFY(kept);
    QCOMPARE(kept->at(0xFC9), 13);
    QCOMPARE(kept->at(0xFCA), 150);
    QCOMPARE(kept->at(0xFCE), 0x83);
    QCOMPARE(lists[2]->currentText(), QStringLiteral("13"));
}

void ParamAdjustTest::chineseRunLabelsTheDetectTable() {
    program::ProgramState state;
    state.language = program::Language::Chinese;
    ParamAdjustDlg dialog(program::factoryDefaults(), state, {});
    QCOMPARE(dialog.grid()->horizontalHeaderItem(1)->text(), QStringLiteral("窄带 低"));
    QCOMPARE(dialog.grid()->horizontalHeaderItem(4)->text(), QStringLiteral("宽带 高"));
    QCOMPARE(dialog.grid()->item(0, 0)->text(), QStringLiteral("静噪检测 1"));
    QCOMPARE(dialog.grid()->item(3, 4)->text(), QStringLiteral("32"));
}

void SoftwareInfoTest::vSectionNarrowsTheGridsBandLimits() {
    DocumentHarness h;
    h.manager->createNewDocument();
    ModalAnswerer answers{[](QDialog* dialog) {
        auto* info = qobject_cast<SoftwareInfoDlg*>(dialog);
        QVERIFY(info);
        QCOMPARE(info->freqBandList()->currentText(), QStringLiteral("None"));
        info->freqBandList()->setCurrentIndex(SoftwareInfo::VSection);
        QCOMPARE(info->limitEdit(SoftwareInfo::LowFreq2)->text(), QStringLiteral("136"));
        QCOMPARE(info->limitEdit(SoftwareInfo::HighFreq2)->text(), QStringLiteral("174"));
        QVERIFY(!info->limitEdit(SoftwareInfo::LowFreq2)->isEnabled());
        QVERIFY(info->limitEdit(SoftwareInfo::LowFreq1)->isEnabled());
        QVERIFY(info->limitEdit(SoftwareInfo::LowFreq1)->isReadOnly());
        QCOMPARE(ContextHelp::requestFor(info->freqBandList()).context,
                 servicecontrol::FreqBandHelp);
        clickOk(info);
    }};
    runDocumentCommand(command::SoftwareInfo, h.doc(), &h.window);
    QVERIFY(answers.done());
    QCOMPARE(h.state.bandLimits, (program::BandLimits{13600000, 17400000, 13600000, 17400000}));
    QVERIFY(h.doc().hasUnsavedChanges());

    // The channel grid checks against the new limits at once.
    h.grid().setCurrentIndex(h.cell(1, program::column::RxFrequency));
    auto* edit = qobject_cast<QLineEdit*>(h.grid().openEditor());
    QVERIFY(edit);
    QTest::keyClicks(edit, QStringLiteral("440"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(answers.sawText(QStringLiteral("Out of range")));
    QCOMPARE(h.text(1, program::column::RxFrequency), QString());
}

void SoftwareInfoTest::leavingALimitRunsItsCheck() {
    program::CodeplugImage image = program::factoryDefaults();
    image.set(0xFD1, SoftwareInfo::VSection);
    // 140-500 MHz is no V pair: it shows as the V Section's presets.
    image.set(0xFF0, 0x14);
    image.set(0xFF1, 0x50);
    image.set(0xFF2, 0x00);
    program::ProgramState state;
    SoftwareInfoDlg dialog(image, state, {});
    QCOMPARE(state.bandLimits.vUpper, 50000000); // loading sets the program's limits
    QVERIFY(showActive(dialog));
    QLineEdit* low1 = dialog.limitEdit(SoftwareInfo::LowFreq1);
    QLineEdit* high1 = dialog.limitEdit(SoftwareInfo::HighFreq1);
    QCOMPARE(low1->text(), QStringLiteral("136"));
    QCOMPARE(high1->text(), QStringLiteral("174"));
    // Leaving an edit runs its check.
    high1->setFocus();
    high1->setText(QStringLiteral("180"));
    low1->setFocus();
    QCOMPARE(high1->text(), QStringLiteral("174"));
    QCOMPARE(dialog.limitEdit(SoftwareInfo::HighFreq2)->text(), QStringLiteral("174"));

    // Cancel stores nothing: the program keeps the limits the dialog loaded.
    dialog.reject();
    QVERIFY(!dialog.imageToKeep());
    QCOMPARE(state.bandLimits.vUpper, 50000000);
}

GUI_TEST(SqlTuningTest);
GUI_TEST(ParamAdjustTest);
GUI_TEST(SoftwareInfoTest);

#include "ServiceDialogsTest.moc"
