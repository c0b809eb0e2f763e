#pragma once

#include "link/TransferHost.h"

#include <atomic>

namespace program::cli {

// Runs a radio exchange from the terminal: messages become single lines on stderr,
// the progress bar is drawn only when stderr is a terminal, questions are answered
// from the command line's options, and Ctrl+C cancels at the next pump point.
class CliTransferHost : public TransferHost {
public:
    struct Answers {
        int retries = 0;            // how often to answer Retry to the Retry/Cancel prompt
        bool confirmBandOk = false; // answer OK to the band-range question
    };

    explicit CliTransferHost(Answers answers);
    ~CliTransferHost() override;

    bool pumpEvent() override;
    void showStatus(const std::string& english, const std::string& chinese) override;
    void setProgressRange(int maximum) override;
    void setProgress(int position) override;
    Answer ask(const LinkMessage& message, Buttons buttons) override;
    void sleepMs(int milliseconds) override;

    // The text of a message as one line: the English form, line breaks folded.
    static std::string oneLine(const LinkMessage& message);

private:
    void endProgressLine();

    Answers m_answers;
    bool m_terminal;
    int m_maximum = 0;
    bool m_progressShown = false;
};

} // namespace program::cli
