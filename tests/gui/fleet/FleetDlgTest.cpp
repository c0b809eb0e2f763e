#include "fleet/FleetDlg.h"

#include "app/ProgramState.h"
#include "model/ProgramDoc.h"
#include "model/UserSettings.h"
#include "settings/Catalogue.h"
#include "support/FakeSerialLink.h"
#include "support/GuiTestMain.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <fstream>

using testsupport::FakeSerialLink;
using testsupport::RecordingRadio;

namespace {

std::string shown(const program::CodeplugImage& image, const std::string& key) {
    for (const auto& setting : program::settings::showSettings(image, program::Language::English))
        if (setting.key == key)
            return setting.value;
    return "?";
}

void enter(QWidget* edit, const std::filesystem::path& path) {
    auto* line = qobject_cast<QLineEdit*>(edit);
    line->setText(QString::fromStdString(path.string()));
    emit line->editingFinished();
}

} // namespace

class FleetDlgTest : public QObject {
    Q_OBJECT
private slots:
    void aRefusedValuesFileIsNamedAndNothingStarts();
    void eachTickedPortGetsItsRadioAndOffersNextWhileRowsAreLeft();

private:
    testsupport::TempDir m_dir;
    program::ProgramState m_state;
    UserSettings m_settings{QStringLiteral("FleetDlgTest")};
    RecordingRadio m_radios[2];
};

void FleetDlgTest::aRefusedValuesFileIsNamedAndNothingStarts() {
    CProgramDoc doc(m_state, m_settings);
    doc.initNew();
    std::ofstream(m_dir / "bad.csv") << "label,msk.id_code\nA,1\nB,12345\n";
    CFleetDlg dialog(doc, {}, [](const program::fleet::FleetPort&) {
        return std::unique_ptr<program::SerialLink>();
    });
    enter(dialog.valuesEdit(), m_dir / "bad.csv");
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("messageLabel"))
                ->text()
                .contains(QStringLiteral("line 3: msk.id_code")));
    dialog.startButton()->click();
    QVERIFY(!dialog.running());
    QVERIFY(dialog.portCheck(1)->isEnabled());
}

void FleetDlgTest::eachTickedPortGetsItsRadioAndOffersNextWhileRowsAreLeft() {
    CProgramDoc doc(m_state, m_settings);
    doc.initNew();
    std::ofstream(m_dir / "radios.csv") << "label,msk.id_code\nGate,1001\nBarn,1002\nYard,1003\n";
    const program::PortOverrides ports{{1, "/fake/0"}, {2, "/fake/1"}};
    CFleetDlg dialog(doc, ports, [this](const program::fleet::FleetPort& port) {
        return std::make_unique<FakeSerialLink>(m_radios[port.device.back() - '0']);
    });
    enter(dialog.valuesEdit(), m_dir / "radios.csv");
    qobject_cast<QCheckBox*>(dialog.backupCheck())->setChecked(false);
    dialog.portCheck(2)->setChecked(true);
    dialog.startButton()->click();
    QVERIFY(dialog.running());
    QVERIFY(!dialog.portCheck(2)->isEnabled()); // the run holds its ports
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 60000);
    QTRY_COMPARE(dialog.portState(2)->text(), QStringLiteral("written and verified"));
    QTRY_COMPARE(dialog.portState(1)->text(), QStringLiteral("written and verified"));
    const std::set<std::string> ids{shown(m_radios[0].memory(), "msk.id_code"),
                                    shown(m_radios[1].memory(), "msk.id_code")};
    QCOMPARE(ids, (std::set<std::string>{"1001", "1002"}));

    // One row is left: either port may take it, and then no Next is offered.
    QVERIFY(dialog.nextAllButton()->isEnabled());
    QCOMPARE(dialog.portButton(2)->text(), QStringLiteral("Next"));
    dialog.portButton(2)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 60000);
    QTRY_COMPARE(dialog.portState(2)->text(), QStringLiteral("written and verified"));
    QCOMPARE(shown(m_radios[1].memory(), "msk.id_code"), "1003");
    QVERIFY(!dialog.nextAllButton()->isEnabled());
    QVERIFY(!dialog.portButton(1)->isEnabled());
}

GUI_TEST(FleetDlgTest);
#include "FleetDlgTest.moc"
