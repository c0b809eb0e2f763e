#pragma once

#include "link/PortNames.h"
#include "link/SerialLink.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <vector>

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
// device and, when a USB cable is plugged in there, the name it gives itself. Find
// Radio checks the port where a radio answers. A port that cannot be opened now is shown disabled;
// the current port is checked when it opens. OK keeps the choice for this user from the next
// connection on.
class CPortSettingDlg : public QDialog {
    Q_OBJECT
public:
    CPortSettingDlg(program::ProgramState& state, UserSettings& settings,
                    const program::PortOverrides& overrides, QWidget* parent = nullptr);
    ~CPortSettingDlg() override;

    QAbstractButton* portButton(int portNumber) const;
    QAbstractButton* findRadioButton() const;
    QString findStatus() const;
    // Where Find Radio looks and through what link (tests put a simulated radio there);
    // the USB serial ports and the serial port itself otherwise.
    void setRadioSearch(std::vector<std::string> devices, program::LinkFactory linkFactory);

    void accept() override;

private:
    // Whether the device opens now (and is closed again at once).
    static bool deviceOpens(const std::string& device);
    void findRadio();

    std::unique_ptr<Ui::CPortSettingDlg> m_ui;
    program::ProgramState& m_state;
    UserSettings& m_settings;
    QButtonGroup* m_group;
    program::PortOverrides m_overrides;
    std::optional<std::vector<std::string>> m_searchDevices;
    program::LinkFactory m_searchLink;
};
