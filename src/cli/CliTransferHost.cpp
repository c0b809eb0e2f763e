#include "CliTransferHost.h"

#include "app/MessageIds.h"
#include "link/LinkTexts.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>
#include <unistd.h>
#include <utility>

namespace program::cli {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void onInterrupt(int) {
    g_interrupted = 1;
}

} // namespace

CliTransferHost::CliTransferHost(Answers answers)
    : m_answers(answers), m_terminal(::isatty(STDERR_FILENO) == 1) {
    g_interrupted = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

CliTransferHost::~CliTransferHost() {
    endProgressLine();
    printNotice();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

bool CliTransferHost::pumpEvent() {
    return g_interrupted != 0;
}

void CliTransferHost::showStatus(const BilingualText&) {
    // The status text repeats what the progress bar shows; the terminal needs only the bar.
}

void CliTransferHost::setProgressRange(int maximum) {
    m_maximum = maximum;
}

void CliTransferHost::setProgress(int position) {
    if (!m_terminal || m_maximum <= 0)
        return;
    printNotice();
    constexpr int width = 40;
    const int filled = position * width / m_maximum;
    std::fprintf(stderr, "\r[%-*s] %3d/%d", width, std::string(filled, '#').c_str(), position,
                 m_maximum);
    std::fflush(stderr);
    m_progressShown = true;
}

void CliTransferHost::endProgressLine() {
    if (m_progressShown) {
        std::fputc('\n', stderr);
        m_progressShown = false;
    }
}

std::string CliTransferHost::takeNotice() {
    return std::exchange(m_notice, {});
}

void CliTransferHost::printNotice() {
    if (!m_notice.empty())
        std::fprintf(stderr, "%s\n", takeNotice().c_str());
}

TransferHost::Answer CliTransferHost::ask(const LinkMessage& message, Buttons buttons) {
    endProgressLine();
    printNotice();
    if (buttons == Buttons::Ok) {
        m_notice = linktexts::englishLine(message);
        return Answer::Ok;
    }
    std::fprintf(stderr, "%s\n", linktexts::englishLine(message).c_str());
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        if (m_answers.confirmBandOk) {
            std::fprintf(stderr, "(--yes: continuing)\n");
            return Answer::Ok;
        }
        return Answer::Cancel;
    case Buttons::RetryCancel:
        if (m_answers.retries > 0 && !g_interrupted) {
            --m_answers.retries;
            std::fprintf(stderr, "(retrying)\n");
            return Answer::Retry;
        }
        return Answer::Cancel;
    }
    return Answer::Cancel;
}

void CliTransferHost::sleepMs(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace program::cli
