#pragma once

#include "link/TransferHost.h"

#include <atomic>

namespace program::cli {

// Runs a radio exchange from the terminal: messages become single lines on stderr,
// the progress bar is drawn only when stderr is a terminal, questions are answered
// from the command line's options, and Ctrl+C cancels at the next pump point. A
// notice (a message with only OK) is held back until something else is printed, so
// that the one that ends a run can be told together with its cause.
class CliTransferHost : public TransferHost {
public:
    struct Answers {
        int retries = 0;            // how often to answer Retry to the Retry/Cancel prompt
        bool confirmBandOk = false; // answer OK to the band-range question
    };

    explicit CliTransferHost(Answers answers);
    ~CliTransferHost() override;

    bool pumpEvent() override;
    void showStatus(const BilingualText& status) override;
    void setProgressRange(int maximum) override;
    void setProgress(int position) override;
    Answer ask(const LinkMessage& message, Buttons buttons) override;
    void sleepMs(int milliseconds) override;

    // The notice not printed yet, which is then forgotten; empty when none.
    std::string takeNotice();

private:
    void endProgressLine();
    void printNotice();

    Answers m_answers;
    bool m_terminal;
    int m_maximum = 0;
    bool m_progressShown = false;
    std::string m_notice;
};

} // namespace program::cli
