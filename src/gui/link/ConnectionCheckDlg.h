#pragma once

#include "link/PortNames.h"
#include "link/SerialLink.h"
#include "link/diagnosis/ConnectionCheck.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
namespace program {
struct ProgramState;
}
namespace Ui {
class CConnectionCheckDlg;
}

// Finds out why the cable does not talk: the checks of one port (or of every USB
// serial port), one row each with its icon and finding, a problem's fix beneath it.
// The checks run on a worker thread, so the dialog stays responsive; closing it
// while the radio is being asked stops the probe, which closes its port.
class CConnectionCheckDlg : public QDialog {
    Q_OBJECT
public:
    // Checks `device` at once; an empty one checks every USB serial port. The probe's
    // port comes from `linkFactory` (the serial port itself unless a test says).
    CConnectionCheckDlg(const program::ProgramState& state, program::PortOverrides overrides,
                        const std::string& device, program::LinkFactory linkFactory = {},
                        QWidget* parent = nullptr);
    ~CConnectionCheckDlg() override;

    // The check over `devices`, one after the other on a worker thread, until a radio
    // answers: what that port is, or nothing. Runs events meanwhile, so the windows
    // keep painting.
    static std::optional<program::diagnosis::DeviceFacts>
    findRadio(const std::vector<std::string>& devices, const program::PortOverrides& overrides,
              program::LinkFactory linkFactory = {});

    bool running() const { return m_worker.joinable(); }
    // The report Copy Report puts on the clipboard.
    QString report() const;

    QComboBox* portList() const;
    QTreeWidget* findingsTree() const;
    QAbstractButton* checkAgainButton() const;
    QAbstractButton* copyReportButton() const;
    QLabel* statusLabel() const;

    void done(int result) override;

signals:
    void checkFinished();

private:
    void fillPortList(const std::string& device);
    void startCheck();
    void beginPort(const QString& title);
    void addCheck(const program::diagnosis::Check& check);
    void finishCheck(std::vector<program::diagnosis::PortDiagnosis> ports,
                     std::optional<program::diagnosis::Check> noPort);
    void stopAndWait();
    void copyReport();
    QString pick(const program::BilingualText& text) const;

    std::unique_ptr<Ui::CConnectionCheckDlg> m_ui;
    const program::ProgramState& m_state;
    program::PortOverrides m_overrides;
    program::LinkFactory m_linkFactory;
    std::thread m_worker;
    std::shared_ptr<program::diagnosis::ProbeHost> m_host;
    std::atomic<bool> m_workerDone{true};
    QTreeWidgetItem* m_portItem = nullptr;
    std::vector<program::diagnosis::PortDiagnosis> m_ports;
    std::optional<program::diagnosis::Check> m_noPort;
};
