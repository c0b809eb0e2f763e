#include "link/PortSettingDlg.h"

#include "common/ControlIds.h"
#include "common/HelpProperties.h"

#include "app/ProgramState.h"
#include "link/PosixSerialLink.h"
#include "model/UserSettings.h"
#include "ui_PortSettingDlg.h"

#include <QButtonGroup>
#include <QRadioButton>

CPortSettingDlg::CPortSettingDlg(program::ProgramState& state, UserSettings& settings,
                                 const program::PortOverrides& overrides, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CPortSettingDlg>()), m_state(state),
      m_settings(settings), m_group(new QButtonGroup(this)) {
    m_ui->setupUi(this);
    // The buttons depend on the device table and its overrides, so the form holds
    // only the box they go into.
    constexpr int Rows = 8;
    for (int n = program::FirstPortNumber; n <= program::LastPortNumber; ++n) {
        const std::string device = program::devicePathForPort(n, overrides);
        auto* button = new QRadioButton(
            QStringLiteral("COM%1  (%2)").arg(n).arg(QString::fromStdString(device)),
            m_ui->portBox);
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
    // The current port is checked only when it can be opened now.
    const int current = program::portNumberFromName(program::PortName(state.portNumber));
    if (QAbstractButton* button = portButton(current); button && button->isEnabled())
        button->setChecked(true);
}

CPortSettingDlg::~CPortSettingDlg() = default;

QAbstractButton* CPortSettingDlg::portButton(int portNumber) const {
    return m_group->button(control::FirstPortButton - 1 + portNumber);
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
