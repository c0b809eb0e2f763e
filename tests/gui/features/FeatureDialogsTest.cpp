#include "app/ProgramState.h"
#include "common/ControlIds.h"
#include "common/GridCellEditor.h"
#include "features/KeyAssignDlg.h"
#include "features/MskDlg.h"
#include "features/OptionalFeaturesDlg.h"
#include "model/ProgramDoc.h"
#include "model/UserSettings.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using testsupport::ModalAnswerer;

namespace {

// A new document, as File New gives it.
struct NewDocument {
    NewDocument() : settings(QStringLiteral("FeatureDialogsTest")), doc(state, settings) {
        doc.initNew();
    }
    program::ProgramState state;
    UserSettings settings;
    CProgramDoc doc;
};

void press(QDialog* dialog, QDialogButtonBox::StandardButton which) {
    auto* box = dialog->findChild<QDialogButtonBox*>();
    QTest::mouseClick(box->button(which), Qt::LeftButton);
}

} // namespace

class FeatureDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void optionalFeaturesStoreOnOkOnly();
    void mskCellEditsFollowOkAndCancel();
    void keyAssignmentStoresTheSideKey();
};

void FeatureDialogsTest::optionalFeaturesStoreOnOkOnly() {
    NewDocument d;
    const program::CodeplugImage fresh = d.doc.image();
    ModalAnswerer answers;
    answers.then([](QDialog* dialog) {
        auto* features = qobject_cast<COptionalFeaturesDlg*>(dialog);
        QComboBox* tot = features->list(control::OptionalTot);
        QCOMPARE(tot->currentText(), QStringLiteral("30"));
        tot->setFocus();
        QTest::keyClick(tot, Qt::Key_Down);                        // 60
        QTest::keyClick(tot, Qt::Key_Down);                        // 90
        features->list(control::OptionalTail)->setCurrentIndex(0); // "Off"
        // Only digits reach the password, and at most six of them.
        QTest::keyClicks(features->passwordEdit(), QStringLiteral("12a34567"));
        QCOMPARE(features->passwordEdit()->text(), QStringLiteral("123456"));
        press(dialog, QDialogButtonBox::Cancel);
    });
    COptionalFeaturesDlg::edit(d.doc, nullptr);
    QVERIFY(answers.done());
    QVERIFY(d.doc.image() == fresh);
    QVERIFY(!d.doc.hasUnsavedChanges());

    answers.then([](QDialog* dialog) {
        auto* features = qobject_cast<COptionalFeaturesDlg*>(dialog);
        QTest::keyClick(features->list(control::OptionalTot), Qt::Key_Down);
        features->list(control::OptionalTail)->setCurrentIndex(0);
        QTest::keyClicks(features->passwordEdit(), QStringLiteral("4321"));
        press(dialog, QDialogButtonBox::Ok);
    });
    COptionalFeaturesDlg::edit(d.doc, nullptr);
    QVERIFY(answers.done());
    QCOMPARE(d.doc.image().at(0xC40), 2);        // 60 s
    QCOMPARE(d.doc.image().at(0xC45) & 0x80, 0); // tail off
    QCOMPARE(d.doc.image().at(0xFE2), std::uint8_t('4'));
    QCOMPARE(d.doc.image().at(0xFE6), 0xFF);
    QVERIFY(d.doc.hasUnsavedChanges());
}

void FeatureDialogsTest::mskCellEditsFollowOkAndCancel() {
    NewDocument d;
    const program::CodeplugImage fresh = d.doc.image();
    ModalAnswerer answers;
    auto editNinthEntry = [](CMskDlg* msk) {
        QTableWidget* grid = msk->callList();
        grid->setFocus();
        grid->setCurrentCell(8, 1);
        QLineEdit* edit = msk->cellEditor().openEdit();
        QVERIFY(edit);
        QTest::keyClicks(edit, QStringLiteral("7g"));
        QCOMPARE(edit->text(), QStringLiteral("7"));
    };
    answers.then([&](QDialog* dialog) {
        auto* msk = qobject_cast<CMskDlg*>(dialog);
        QTest::keyClicks(msk->idCodeEdit(), QStringLiteral("12ab"));
        QCOMPARE(msk->idCodeEdit()->text(), QStringLiteral("12AB"));
        editNinthEntry(msk);
        press(dialog, QDialogButtonBox::Cancel);
    });
    CMskDlg::edit(d.doc, nullptr);
    QVERIFY(answers.done());
    QVERIFY(d.doc.image() == fresh);

    answers.then([&](QDialog* dialog) {
        auto* msk = qobject_cast<CMskDlg*>(dialog);
        QTest::keyClicks(msk->idCodeEdit(), QStringLiteral("12ab"));
        // Enter keeps a cell and leaves the dialog open.
        msk->callList()->setFocus();
        msk->callList()->setCurrentCell(0, 1);
        QTest::keyClicks(msk->cellEditor().openEdit(), QStringLiteral("c0"));
        QTest::keyClick(msk->cellEditor().openEdit(), Qt::Key_Return);
        QVERIFY(msk->isVisible());
        QCOMPARE(msk->callList()->item(0, 1)->text(), QStringLiteral("C0"));
        // OK takes the cell still being edited with it.
        editNinthEntry(msk);
        msk->accept();
    });
    CMskDlg::edit(d.doc, nullptr);
    QVERIFY(answers.done());
    const auto bytes = d.doc.image().bytes();
    const std::uint8_t id[] = {0x31, 0x32, 0x41, 0x42};
    const std::uint8_t first[] = {'C', '0', 0xFF, 0xFF};
    const std::uint8_t ninth[] = {0x37, 0xFF, 0xFF, 0xFF};
    QVERIFY(std::equal(std::begin(id), std::end(id), bytes.begin() + 0xC80));
    QVERIFY(std::equal(std::begin(first), std::end(first), bytes.begin() + 0xC84));
    QVERIFY(std::equal(std::begin(ninth), std::end(ninth), bytes.begin() + 0xCA4));
    QVERIFY(d.doc.hasUnsavedChanges());
}

void FeatureDialogsTest::keyAssignmentStoresTheSideKey() {
    NewDocument d;
    ModalAnswerer answers;
    answers.then([](QDialog* dialog) {
        auto* keys = qobject_cast<CKeyAssignDlg*>(dialog);
        QVERIFY(keys->button(0)->isChecked());
        QTest::mouseClick(keys->button(3), Qt::LeftButton);
        press(dialog, QDialogButtonBox::Ok);
    });
    CKeyAssignDlg::edit(d.doc, nullptr);
    QVERIFY(answers.done());
    QCOMPARE(d.doc.image().at(0xC72), 0xFC);
    QVERIFY(d.doc.hasUnsavedChanges());
}

GUI_TEST(FeatureDialogsTest);
#include "FeatureDialogsTest.moc"
