#include "DocumentHarness.h"
#include "DocumentTests.h"

#include "app/IniFile.h"
#include "link/PortSettingDlg.h"
#include "link/PosixSerialLink.h"
#include "support/FakeSerialLink.h"
#include "support/GuiTestMain.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <pty.h>
#include <unistd.h>

namespace {

// A pseudo-terminal standing in for a serial port.
struct Pty {
    Pty() {
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0)
            path = name;
    }
    ~Pty() {
        ::close(master);
        ::close(slave);
    }
    int master = -1;
    int slave = -1;
    std::string path;
};

program::PortOverrides overrides(const std::string& com3) {
    return {{3, com3}, {16, "/dev/no-such-serial-port"}};
}

} // namespace

void PortSettingTest::buttonsShowDevicesAndOnlyOpenablePortsAreEnabled() {
    DocumentHarness h;
    Pty pty;
    QVERIFY(!pty.path.empty());
    h.state.portNumber = 3;
    CPortSettingDlg dialog(h.state, h.manager->userSettings(), overrides(pty.path));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Port Setting"));
    QVERIFY(dialog.portButton(1)->text().startsWith(QStringLiteral("COM1")));
    QVERIFY(dialog.portButton(1)->text().contains(QStringLiteral("/dev/ttyUSB0")));
    QVERIFY(dialog.portButton(16)->text().contains(QStringLiteral("/dev/no-such-serial-port")));
    QVERIFY(dialog.portButton(3)->isEnabled());
    QVERIFY(dialog.portButton(3)->isChecked());
    QVERIFY(!dialog.portButton(16)->isEnabled());
    // Tab reaches OK after the last port.
    QWidget* next = dialog.portButton(16)->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    QCOMPARE(next, static_cast<QWidget*>(
                       dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)));

    // A port held by another program is disabled and not checked, even when current.
    program::PosixSerialLink holder;
    QVERIFY(holder.open(pty.path).ok());
    CPortSettingDlg busy(h.state, h.manager->userSettings(), overrides(pty.path));
    QVERIFY(!busy.portButton(3)->isEnabled());
    QVERIFY(!busy.portButton(3)->isChecked());
    busy.accept(); // nothing checked: nothing changes
    QCOMPARE(h.state.portNumber, 3);
}

void PortSettingTest::okStoresTheChoiceForTheNextConnection() {
    Pty pty;
    testsupport::TempDir dir;
    program::IniFile ini;
    ini.Load(dir / "Program.ini");
    ini.WriteString("Ports", "COM3", pty.path);
    DocumentHarness h(program::Language::English, &ini);
    h.manager->createNewDocument();
    QCOMPARE(h.state.portNumber, 1); // nothing stored yet
    QCOMPARE(h.view().portDevice(), std::string("/dev/ttyUSB0"));

    CPortSettingDlg dialog(h.state, h.manager->userSettings(), overrides(pty.path));
    dialog.portButton(3)->click();
    dialog.accept();
    QCOMPARE(h.state.portNumber, 3);
    QCOMPARE(SettingsPortNumberStore(h.manager->userSettings()).load(), 3);

    // A later run (a new view) starts from the stored port and its device.
    h.state.portNumber = 1;
    h.manager->createNewDocument();
    QCOMPARE(h.state.portNumber, 3);
    QCOMPARE(h.view().portDevice(), pty.path);
}

void PortSettingTest::findRadioChecksThePortWhereARadioAnswers() {
    DocumentHarness h;
    Pty pty;
    testsupport::RecordingRadio radio;
    radio.setFaults(testsupport::radioFaults({"silent"}));
    h.state.portNumber = 1;
    CPortSettingDlg dialog(h.state, h.manager->userSettings(), overrides(pty.path));
    dialog.setRadioSearch(
        {pty.path}, [&radio] { return std::make_unique<testsupport::FakeSerialLink>(radio); });
    dialog.findRadioButton()->click();
    QVERIFY(!dialog.portButton(3)->isChecked());
    QCOMPARE(dialog.findStatus(), QStringLiteral("No radio answered on the USB serial ports."));

    radio.setFaults({});
    dialog.findRadioButton()->click();
    QVERIFY(dialog.portButton(3)->isChecked());
    QVERIFY(dialog.findStatus().contains(QStringLiteral("(COM3)")));
    // Found is only checked: the choice is stored by OK, as ever.
    QCOMPARE(SettingsPortNumberStore(h.manager->userSettings()).load(), 1);
    dialog.accept();
    QCOMPARE(h.state.portNumber, 3);
}

GUI_TEST(PortSettingTest);
