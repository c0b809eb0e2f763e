#pragma once

#include "RadioEngine.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include <signal.h>

namespace program::sim {

// The radio's end of a pseudo-terminal: bytes the program writes to the other end
// go to the engine, the engine's answers go back. With a baud rate set, both
// directions take as long as on a real line (10 bits a byte: start, 8 data, stop),
// so the program sees a radio's timing, not a pipe's.
class PtyRadio {
public:
    PtyRadio(RadioEngine& engine, int baud, RadioEngine::Log log);
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    // Creates the pseudo-terminal; returns an error text, or empty on success.
    std::string open();
    // The device the program opens, e.g. /dev/pts/3.
    const std::string& deviceName() const { return m_deviceName; }

    // Serves the program until `stop` is set by a signal (delivered only while
    // waiting, with `waitMask` in force) or, with `exitAfterSession`, until the
    // program closes the port after sending something.
    void run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask,
             bool exitAfterSession);

private:
    using Clock = std::chrono::steady_clock;
    struct Timed {
        Clock::time_point due;
        std::uint8_t byte;
    };

    void receiveFromProgram(Clock::time_point now);
    void deliverDueBytes(Clock::time_point now);
    void sendDueBytes(Clock::time_point now);
    void portClosed();
    // When the next byte is due, leaving out answers that wait for room.
    std::optional<Clock::time_point> nextDue(bool outputBlocked) const;

    RadioEngine& m_engine;
    Clock::duration m_byteTime;
    RadioEngine::Log m_log;
    int m_master = -1;
    std::string m_deviceName;

    std::deque<Timed> m_in;  // heard from the program, due when fully received
    std::deque<Timed> m_out; // answers, due when fully sent
    Clock::time_point m_inLineFree{};
    Clock::time_point m_outLineFree{};
    bool m_portOpen = false;
    bool m_portUsed = false; // the program sent bytes since it opened the port
};

} // namespace program::sim
