#pragma once

#include "service/ServiceDialog.h"
#include "service/SoftwareInfo.h"

#include <array>
#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;
namespace Ui {
class SoftwareInfoDlg;
}

// Edit > SoftwareInfo: the radio's maker entry, its band fitting and the limits
// of its two bands, with Read and Write of those bytes with the radio. The limits
// are the program's band limits too: loading the dialog (at opening and after a
// Read) and storing it (OK, Write) sets them, and the channel grid checks its
// frequencies against them from then on.
class SoftwareInfoDlg : public ServiceDialog {
    Q_OBJECT
public:
    SoftwareInfoDlg(const program::CodeplugImage& image, program::ProgramState& state,
                    ServicePort port, QWidget* parent = nullptr);
    ~SoftwareInfoDlg() override;

    QComboBox* companyList() const;
    QComboBox* freqBandList() const;
    QLineEdit* limitEdit(program::service::SoftwareInfo::Limit limit) const;
    QPushButton* readButton() const;
    QPushButton* writeButton() const;
    const program::service::SoftwareInfo& values() const { return m_values; }

    void accept() override;

protected:
    void loadControls() override;
    void storeControls(program::CodeplugImage& image) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void display();

    std::unique_ptr<Ui::SoftwareInfoDlg> m_ui;
    program::ProgramState& m_state;
    std::array<QLineEdit*, 4> m_limitEdits;
    program::service::SoftwareInfo m_values;
};
