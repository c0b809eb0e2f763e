#pragma once

#include "link/TransferHost.h"

#include <QString>

namespace program {
struct ProgramState;
}
class CProgressDlg;

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

    // The text and caption a message is shown with.
    QString textOf(const program::LinkMessage& message) const;
    QString captionOf(const program::LinkMessage& message) const;

private:
    QString pick(const program::BilingualText& text) const;

    CProgressDlg& m_dialog;
    const program::ProgramState& m_state;
};
