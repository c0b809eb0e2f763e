#include "PtyRadio.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace program::sim {

namespace {

// How often a closed port is looked at again: the pseudo-terminal reports a
// hang-up for as long as no program has it open.
constexpr auto kClosedPortCheck = std::chrono::milliseconds(5);

timespec toTimespec(std::chrono::nanoseconds span) {
    span = std::max(span, std::chrono::nanoseconds::zero());
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(span.count() / 1'000'000'000);
    ts.tv_nsec = static_cast<long>(span.count() % 1'000'000'000);
    return ts;
}

} // namespace

PtyRadio::PtyRadio(RadioEngine& engine, int baud, RadioEngine::Log log)
    : m_engine(engine), m_byteTime(baud > 0 ? std::chrono::duration_cast<Clock::duration>(
                                                  std::chrono::nanoseconds(10'000'000'000LL / baud))
                                            : Clock::duration::zero()),
      m_log(std::move(log)) {}

PtyRadio::~PtyRadio() {
    if (m_master >= 0)
        ::close(m_master);
}

std::string PtyRadio::open() {
    int slave = -1;
    if (::openpty(&m_master, &slave, nullptr, nullptr, nullptr) != 0)
        return std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B9600);
    ::tcsetattr(slave, TCSANOW, &tio);
    m_deviceName = ::ttyname(slave) ? ::ttyname(slave) : "";
    // Only the program keeps the device open, so that its close shows up here as a
    // hang-up.
    ::close(slave);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    return {};
}

void PtyRadio::run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask,
                   bool exitAfterSession) {
    // A byte lasts about a millisecond at 9600 baud; the kernel's usual 50 us of
    // slack on every wake-up would show in the timing the program sees.
    if (m_byteTime > Clock::duration::zero())
        ::prctl(PR_SET_TIMERSLACK, 1UL);
    while (!stop) {
        Clock::time_point now = Clock::now();
        deliverDueBytes(now);
        sendDueBytes(now);

        pollfd pfd{m_master, POLLIN, 0};
        const bool blocked = !m_out.empty() && m_out.front().due <= now;
        if (blocked)
            pfd.events |= POLLOUT; // the program's side is full; wait for room
        std::optional<Clock::time_point> next = nextDue(blocked);
        timespec timeout = next ? toTimespec(*next - now) : timespec{};
        int ready = ::ppoll(&pfd, 1, next ? &timeout : nullptr, &waitMask);
        if (ready < 0)
            continue; // a signal: the loop condition decides
        now = Clock::now();
        if (pfd.revents & POLLIN)
            receiveFromProgram(now);
        if (pfd.revents & POLLHUP) {
            if (m_portOpen) {
                bool used = m_portUsed;
                portClosed();
                if (exitAfterSession && used)
                    return;
            }
            timespec pause = toTimespec(kClosedPortCheck);
            ::ppoll(nullptr, 0, &pause, &waitMask);
        } else if (!m_portOpen) {
            m_portOpen = true;
            m_log("port opened");
        }
    }
}

void PtyRadio::receiveFromProgram(Clock::time_point now) {
    std::uint8_t buffer[512];
    ssize_t got;
    // Until nothing is left; a read error means the program has closed its end (a
    // hang-up follows).
    while ((got = ::read(m_master, buffer, sizeof buffer)) > 0) {
        if (!m_portOpen) {
            m_portOpen = true;
            m_log("port opened");
        }
        m_portUsed = true;
        for (ssize_t i = 0; i < got; ++i) {
            m_inLineFree = std::max(now, m_inLineFree) + m_byteTime;
            m_in.push_back({m_inLineFree, buffer[i]});
        }
    }
}

void PtyRadio::deliverDueBytes(Clock::time_point now) {
    std::vector<std::uint8_t> answer;
    while (!m_in.empty() && m_in.front().due <= now) {
        const Timed heard = m_in.front();
        m_in.pop_front();
        answer.clear();
        m_engine.receive(heard.byte, answer);
        // The radio starts answering once it has the last byte of the command.
        for (std::uint8_t b : answer) {
            m_outLineFree = std::max(heard.due, m_outLineFree) + m_byteTime;
            m_out.push_back({m_outLineFree, b});
        }
    }
}

void PtyRadio::sendDueBytes(Clock::time_point now) {
    std::vector<std::uint8_t> due;
    for (const Timed& t : m_out) {
        if (t.due > now)
            break;
        due.push_back(t.byte);
    }
    if (due.empty())
        return;
    ssize_t sent = ::write(m_master, due.data(), due.size());
    if (sent > 0)
        m_out.erase(m_out.begin(), m_out.begin() + sent);
}

void PtyRadio::portClosed() {
    // What the program sent before closing still reaches the radio; answers to it
    // have nowhere to go.
    std::vector<std::uint8_t> answer;
    for (const Timed& heard : m_in)
        m_engine.receive(heard.byte, answer);
    m_in.clear();
    m_out.clear();
    m_engine.portClosed();
    m_portOpen = false;
    m_portUsed = false;
    m_log("port closed");
}

std::optional<PtyRadio::Clock::time_point> PtyRadio::nextDue(bool outputBlocked) const {
    std::optional<Clock::time_point> next;
    if (!m_in.empty())
        next = m_in.front().due;
    if (!m_out.empty() && !outputBlocked)
        next = next ? std::min(*next, m_out.front().due) : m_out.front().due;
    return next;
}

} // namespace program::sim
