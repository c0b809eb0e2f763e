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
    // the run's language, and returns the button pressed. With `checkConnection`, the
    // messages of a connection that failed (the port would not open, the radio did not
    // answer: 61451, 61449 and their like) offer "Check Connection..." too: it answers Cancel and
    // sets the flag, and the caller opens the connection check once the port is closed again.
    static Answer showMessage(QWidget* parent, const program::ProgramState& state,
                              const program::LinkMessage& message, Buttons buttons,
                              bool* checkConnection = nullptr);

    // The user asked for the connection check from one of the messages.
    bool connectionCheckRequested() const { return m_checkConnection; }

private:
    CProgressDlg& m_dialog;
    const program::ProgramState& m_state;
    bool m_checkConnection = false;
};
