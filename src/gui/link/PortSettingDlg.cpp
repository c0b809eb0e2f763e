#include "link/PortSettingDlg.h"

#include "common/ControlIds.h"
#include "common/HelpProperties.h"

#include "app/ProgramState.h"
#include "link/ConnectionCheckDlg.h"
#include "link/PosixSerialLink.h"
#include "link/diagnosis/ConnectionCheck.h"
#include "model/UserSettings.h"
#include "ui_PortSettingDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

CPortSettingDlg::CPortSettingDlg(program::ProgramState& state, UserSettings& settings,
                                 const program::PortOverrides& overrides, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CPortSettingDlg>()), m_state(state),
      m_settings(settings), m_group(new QButtonGroup(this)), m_overrides(overrides) {
    m_ui->setupUi(this);
    // The buttons depend on the device table and its overrides, so the form holds
    // only the box they go into.
    constexpr int Rows = 8;
    const program::diagnosis::SystemView system = program::diagnosis::SystemView::live();
    for (int n = program::FirstPortNumber; n <= program::LastPortNumber; ++n) {
        const std::string device = program::devicePathForPort(n, overrides);
        // "COM1 — /dev/ttyUSB0, FT232R USB UART": the USB name only when one is plugged in.
        QString text = QStringLiteral("COM%1 \u2014 %2").arg(n).arg(QString::fromStdString(device));
        const std::string usbName = program::diagnosis::deviceFacts(system, device, {}).usbName();
        if (!usbName.empty())
            text += QStringLiteral(", ") + QString::fromStdString(usbName);
        auto* button = new QRadioButton(text, m_ui->portBox);
        const int id = control::FirstPortButton - 1 + n;
        button->setObjectName(QStringLiteral("com%1Button").arg(n));
        helpproperty::setControlId(button, id);
        button->setEnabled(deviceOpens(device));
        m_group->addButton(button, id);
        m_ui->portGrid->addWidget(button, (n - 1) % Rows, (n - 1) / Rows);
    }
    // Tab goes through the ports before OK and Cancel, as they are laid out: the
    // button box, made by the form before the ports, joins the focus chain again
    // at its end.
    m_ui->buttonBox->setParent(nullptr);
    m_ui->dialogLayout->addWidget(m_ui->buttonBox);
    connect(m_ui->findRadioButton, &QPushButton::clicked, this, &CPortSettingDlg::findRadio);
    // The current port is checked only when it can be opened now.
    const int current = program::portNumberFromName(program::PortName(state.portNumber));
    if (QAbstractButton* button = portButton(current); button && button->isEnabled())
        button->setChecked(true);
}

CPortSettingDlg::~CPortSettingDlg() = default;

QAbstractButton* CPortSettingDlg::portButton(int portNumber) const {
    return m_group->button(control::FirstPortButton - 1 + portNumber);
}

QAbstractButton* CPortSettingDlg::findRadioButton() const {
    return m_ui->findRadioButton;
}

QString CPortSettingDlg::findStatus() const {
    return m_ui->findStatus->text();
}

void CPortSettingDlg::setRadioSearch(std::vector<std::string> devices,
                                     program::LinkFactory linkFactory) {
    m_searchDevices = std::move(devices);
    m_searchLink = std::move(linkFactory);
}

// The choice stays the user's: the port found is only checked, and OK keeps it.
void CPortSettingDlg::findRadio() {
    m_ui->findRadioButton->setEnabled(false);
    m_ui->findStatus->setText(tr("Looking for a radio on the USB serial ports..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<std::string> devices =
        m_searchDevices
            ? *m_searchDevices
            : program::diagnosis::usbSerialPorts(program::diagnosis::SystemView::live());
    const auto found = CConnectionCheckDlg::findRadio(devices, m_overrides, m_searchLink);
    QApplication::restoreOverrideCursor();
    m_ui->findRadioButton->setEnabled(true);
    if (!found) {
        m_ui->findStatus->setText(tr("No radio answered on the USB serial ports."));
        return;
    }
    const QString where = QString::fromStdString(found->device);
    QAbstractButton* button = portButton(found->portNumber);
    if (!button) {
        m_ui->findStatus->setText(
            tr("A radio answers on %1, which none of COM1-COM16 opens.").arg(where));
        return;
    }
    // A port that would not open when the window opened stays as it was shown.
    if (!button->isEnabled()) {
        m_ui->findStatus->setText(
            tr("A radio answers on %1 (COM%2); open this window again to choose it.")
                .arg(where)
                .arg(found->portNumber));
        return;
    }
    button->setChecked(true);
    m_ui->findStatus->setText(
        tr("A radio answers on %1 (COM%2).").arg(where).arg(found->portNumber));
}

bool CPortSettingDlg::deviceOpens(const std::string& device) {
    if (device.empty())
        return false;
    program::PosixSerialLink link;
    const bool opened = link.open(device).ok();
    link.close();
    return opened;
}

void CPortSettingDlg::accept() {
    const int id = m_group->checkedId();
    if (id >= control::FirstPortButton) {
        const int number = id - control::FirstPortButton + 1;
        m_state.portNumber = number;
        SettingsPortNumberStore(m_settings).save(number);
    }
    QDialog::accept();
}
