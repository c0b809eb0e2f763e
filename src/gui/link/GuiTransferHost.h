#pragma once

#include "link/TransferHost.h"

#include <QString>

namespace program {
struct ProgramState;
}
class CProgressDlg;
class QWidget;

// Runs a radio transfer inside the desktop program: keeps the windows alive
// between steps, reports through the progress window and asks its questions in
// message boxes worded in the run's language.
class GuiTransferHost : public program::TransferHost {
public:
    GuiTransferHost(CProgressDlg& dialog, const program::ProgramState& state);

    bool pumpEvent() override;
    void showStatus(const program::BilingualText& status) override;
    void setProgressRange(int maximum) override;
    void setProgress(int position) override;
    Answer ask(const program::LinkMessage& message, Buttons buttons) override;
    void sleepMs(int milliseconds) override;

    // Shows a message of the radio link in a message box over `parent`, worded in
    // the run's language, and returns the button pressed.
    static Answer showMessage(QWidget* parent, const program::ProgramState& state,
                              const program::LinkMessage& message, Buttons buttons);

private:
    CProgressDlg& m_dialog;
    const program::ProgramState& m_state;
};
