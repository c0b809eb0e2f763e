#include "link/PortSettingDlg.h"

#include "common/ControlIds.h"

#include "app/ProgramState.h"
#include "link/PosixSerialLink.h"
#include "model/UserSettings.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CPortSettingDlg::CPortSettingDlg(program::ProgramState& state, UserSettings& settings,
                                 const program::PortOverrides& overrides, QWidget* parent)
    : QDialog(parent), m_state(state), m_settings(settings), m_group(new QButtonGroup(this)) {
    setWindowTitle(tr("Port Setting"));
    auto* box = new QGroupBox(tr("Port"), this);
    auto* grid = new QGridLayout(box);
    constexpr int Rows = 8;
    for (int n = program::FirstPortNumber; n <= program::LastPortNumber; ++n) {
        const std::string device = program::devicePathForPort(n, overrides);
        auto* button = new QRadioButton(
            QStringLiteral("COM%1  (%2)").arg(n).arg(QString::fromStdString(device)), box);
        button->setEnabled(deviceOpens(device));
        m_group->addButton(button, control::FirstPortButton - 1 + n);
        grid->addWidget(button, (n - 1) % Rows, (n - 1) / Rows);
    }
    // The current port is checked only when it can be opened now.
    const int current = program::portNumberFromName(program::PortName(state.portNumber));
    if (QAbstractButton* button = portButton(current); button && button->isEnabled())
        button->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPortSettingDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPortSettingDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
}

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
