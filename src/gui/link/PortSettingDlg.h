#pragma once

#include "link/PortNames.h"

#include <QDialog>

#include <memory>

class QAbstractButton;
class QButtonGroup;
class UserSettings;
namespace program {
struct ProgramState;
}
namespace Ui {
class CPortSettingDlg;
}

// Chooses the serial port: one button per port number 1..16, labelled with its
// device. A port that cannot be opened now is shown disabled; the current port
// is checked when it opens. OK keeps the choice for this user from the next
// connection on.
class CPortSettingDlg : public QDialog {
    Q_OBJECT
public:
    CPortSettingDlg(program::ProgramState& state, UserSettings& settings,
                    const program::PortOverrides& overrides, QWidget* parent = nullptr);
    ~CPortSettingDlg() override;

    QAbstractButton* portButton(int portNumber) const;

    void accept() override;

private:
    // Whether the device opens now (and is closed again at once).
    static bool deviceOpens(const std::string& device);

    std::unique_ptr<Ui::CPortSettingDlg> m_ui;
    program::ProgramState& m_state;
    UserSettings& m_settings;
    QButtonGroup* m_group;
};
