#pragma once

#include "RadioFaults.h"
#include "model/CodeplugImage.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace program::sim {

using RadioIdentity = std::array<std::uint8_t, 8>;

// Model "U", "888", an unexamined byte, then the band 136-174 MHz.
RadioIdentity defaultIdentity();

// A radio fresh from the factory: the program's defaults with the band-limit
// block and band shadow a new document gets (136-174 and 400-520 MHz).
CodeplugImage factoryFreshMemory();

// What a radio does with the bytes of its programming port, one byte at a time,
// without any timing or I/O: wake sequence, identification, confirmation, block
// reads and writes on a 4096-byte memory, and the faults it was told to show.
// Any byte stream is safe: unknown bytes are ignored, out-of-range blocks unanswered.
class RadioEngine {
public:
    using Log = std::function<void(const std::string&)>;

    RadioEngine(const CodeplugImage& memory, const RadioIdentity& identity,
                const RadioFaults& faults = {}, Log log = {});

    // Takes one byte from the program and appends the radio's answer, if any.
    void receive(std::uint8_t byte, std::vector<std::uint8_t>& answer);
    std::vector<std::uint8_t> receive(std::span<const std::uint8_t> bytes);

    // The program closed the port: a half-received command is dropped and the
    // radio needs a new wake sequence.
    void portClosed();

    const CodeplugImage& memory() const { return m_memory; }
    int wakesAnswered() const { return m_wakesAnswered; }

private:
    enum class State { Asleep, Awake, Identified, Programming, Hung };

    bool wakeCompleted(std::uint8_t byte);
    void wake(std::vector<std::uint8_t>& answer);
    void command(std::uint8_t byte, std::vector<std::uint8_t>& answer);
    void commandComplete(std::vector<std::uint8_t>& answer);
    void identify(std::vector<std::uint8_t>& answer);
    void acknowledge(std::vector<std::uint8_t>& answer);
    void readBlock(std::size_t address, std::size_t length, std::vector<std::uint8_t>& answer);
    void writeBlock(std::size_t address, std::span<const std::uint8_t> data,
                    std::vector<std::uint8_t>& answer);
    bool startBlock(); // false when the radio hangs before this block
    void log(const std::string& line) const;

    CodeplugImage m_memory;
    RadioIdentity m_identity;
    RadioFaults m_faults;
    Log m_log;

    State m_state = State::Asleep;
    std::array<std::uint8_t, 7> m_recent{}; // the last bytes heard, for the wake sequence
    std::size_t m_recentCount = 0;
    std::vector<std::uint8_t> m_command; // a command still being received
    int m_wakesHeard = 0;
    int m_wakesAnswered = 0;
    int m_blocks = 0;          // block commands of this session
    int m_readAwaitingAck = 0; // the read block whose 06 the radio waits for, or 0
};

// "55 38 38 38 ..." for a log line.
std::string hexBytes(std::span<const std::uint8_t> bytes);

} // namespace program::sim
