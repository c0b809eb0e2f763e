#pragma once

#include "fleet/FleetRun.h"
#include "link/PortNames.h"

#include <QDialog>

#include <memory>
#include <vector>

class CProgramDoc;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
namespace Ui {
class CFleetDlg;
}

// Program Several Radios: the active document into the radios on the ticked
// ports, each radio with its row of a values file, backed up and verified if asked,
// each one reported. The radios run on threads of their own, so the window stays
// responsive; being modal it keeps the document from changing while it runs.
class CFleetDlg : public QDialog {
    Q_OBJECT
public:
    CFleetDlg(CProgramDoc& doc, const program::PortOverrides& overrides,
              program::fleet::FleetRun::LinkFactory links, QWidget* parent = nullptr);
    ~CFleetDlg() override;

    // Opens the window on the document; the links are made by `links` (real ports
    // in the program, simulated radios in tests).
    static void run(CProgramDoc& doc, const program::PortOverrides& overrides,
                    const program::LinkFactory& links, QWidget* parent);

    QCheckBox* portCheck(int portNumber) const;
    QPushButton* portButton(int portNumber) const;
    QLabel* portState(int portNumber) const;
    QPushButton* startButton() const;
    QPushButton* nextAllButton() const;
    QWidget* valuesEdit() const;
    QWidget* reportEdit() const;
    QWidget* rowsList() const;
    QWidget* backupCheck() const;
    QWidget* verifyCheck() const;
    QWidget* cancelAllButton() const;
    // Whether a radio is being programmed on any port.
    bool running() const;

    void reject() override;

private:
    class Observer;
    struct PortRow {
        int number = 0;
        std::string device;
        QCheckBox* check = nullptr;
        QLabel* label = nullptr;
        QProgressBar* bar = nullptr;
        QLabel* state = nullptr;
        QPushButton* button = nullptr;
        std::size_t runIndex = 0; // the port's place in the run, once it started
        bool inRun = false;
    };

    void addPortRows(const program::PortOverrides& overrides);
    void browseValues();
    void browseReport();
    void showRows();
    void start();
    void nextAll();
    void cancelAll();
    void portButtonClicked(PortRow& row);
    bool startOn(PortRow& row);
    void updateButtons();
    void showMessage(const QString& text);
    PortRow* rowOfRunIndex(std::size_t index);

    // Called on the window's thread with what a port's thread saw.
    void radioStarted(std::size_t port, const QString& label);
    void stageChanged(std::size_t port, program::fleet::Stage stage);
    void progress(std::size_t port, int position, int maximum);
    void radioEnded(const program::fleet::RadioOutcome& outcome);

    std::unique_ptr<Ui::CFleetDlg> m_ui;
    CProgramDoc& m_doc;
    program::fleet::FleetRun::LinkFactory m_links;
    std::vector<PortRow> m_ports;
    std::unique_ptr<Observer> m_observer;
    std::unique_ptr<program::fleet::ReportFile> m_report;
    std::unique_ptr<program::fleet::FleetRun> m_run;
};
