#pragma once

#include "RadioEngine.h"
#include "link/BlockPlan.h"
#include "link/SerialLink.h"
#include "model/CodeplugImage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// Faults by the names radio-sim takes on its command line: "silent", "no-ack=3"...
inline program::sim::RadioFaults radioFaults(std::initializer_list<std::string_view> names) {
    program::sim::RadioFaults faults;
    for (std::string_view name : names) {
        if (auto problem = program::sim::addFault(faults, name))
            throw std::invalid_argument(*problem);
    }
    return faults;
}

// The simulated radio at the far end of a FakeSerialLink, with what it did. It
// outlives the links that reach it, as a radio outlives the program's sessions.
// What it did is taken from the radio's own log, so that the record is the
// radio's view of the exchange, not the program's.
class RecordingRadio {
public:
    explicit RecordingRadio(
        const program::CodeplugImage& memory = program::sim::factoryFreshMemory(),
        const program::sim::RadioFaults& faults = {},
        const program::sim::RadioIdentity& identity = program::sim::defaultIdentity())
        : m_engine(memory, identity, faults, logger()), m_identity(identity) {}
    RecordingRadio(const RecordingRadio&) = delete;
    RecordingRadio& operator=(const RecordingRadio&) = delete;

    // Another radio on the cable: its own memory, faults and identity, nothing done yet.
    void replace(const program::CodeplugImage& memory, const program::sim::RadioFaults& faults = {},
                 const program::sim::RadioIdentity& identity = program::sim::defaultIdentity()) {
        m_engine = program::sim::RadioEngine(memory, identity, faults, logger());
        m_identity = identity;
        clearRecord();
    }
    // The same radio, now showing these faults (or none): memory and record kept,
    // and asleep until the next wake sequence.
    void setFaults(const program::sim::RadioFaults& faults) {
        m_engine = program::sim::RadioEngine(m_engine.memory(), m_identity, faults, logger());
    }

    const program::CodeplugImage& memory() const { return m_engine.memory(); }
    std::vector<std::uint8_t> receive(std::span<const std::uint8_t> bytes) {
        return m_engine.receive(bytes);
    }
    void portClosed() { m_engine.portClosed(); }

    void clearRecord() {
        wakes = identifications = 0;
        blocksRead.clear();
        blocksWritten.clear();
        log.clear();
    }

    int wakes = 0; // wake sequences heard, answered or not
    int identifications = 0;
    std::vector<program::Block> blocksRead;
    std::vector<program::Block> blocksWritten; // acknowledged or not
    std::vector<std::string> log;

private:
    program::sim::RadioEngine::Log logger() {
        return [this](const std::string& line) { note(line); };
    }

    // "wake #3 ...", "identify -> ...", "read 0x0F8 8 -> ...", "write 0x0F8 01 02 -> 06".
    void note(const std::string& line) {
        log.push_back(line);
        unsigned address = 0;
        unsigned length = 0;
        if (line.starts_with("wake #")) {
            ++wakes;
        } else if (line.starts_with("identify ->")) {
            ++identifications;
        } else if (std::sscanf(line.c_str(), "read 0x%x %u", &address, &length) == 2) {
            blocksRead.push_back(block(address, length));
        } else if (std::sscanf(line.c_str(), "write 0x%x", &address) == 1) {
            const std::string data = line.substr(0, line.find(" ->"));
            const auto bytes = std::count(data.begin(), data.end(), ' ') - 1;
            blocksWritten.push_back(block(address, static_cast<unsigned>(bytes)));
        }
    }
    static program::Block block(unsigned address, unsigned length) {
        return {static_cast<std::uint16_t>(address), static_cast<std::uint8_t>(length)};
    }

    program::sim::RadioEngine m_engine;
    program::sim::RadioIdentity m_identity;
};

// A serial port that records everything done to it, with a RecordingRadio on the
// other end of the cable. The port's own failures (an open that fails, a read
// that reports a device error) are set here; the radio's are RadioFaults.
//
// Timing as on a real line: a reply to a write is still on its way when the
// program clears the port straight after writing, and has arrived by the next
// read or write. So a clear discards only bytes that arrived earlier.
class FakeSerialLink : public program::SerialLink {
public:
    struct Event {
        enum class Kind {
            Open,
            Close,
            QueueSizes,
            LineSettings,
            Timeouts,
            Purge,
            Clear,
            Read,
            Write
        };
        Kind kind;
        std::vector<std::uint8_t> bytes; // written, or read
        std::size_t asked = 0;           // bytes asked by a read
    };
    using Kind = Event::Kind;

    explicit FakeSerialLink(RecordingRadio& radio) : m_radio(radio) {}

    // How the next open ends.
    program::SerialOpenResult::Status openStatus = program::SerialOpenResult::Status::Opened;
    // Reads (counted from 1) that report a device error.
    std::set<int> failingReads;

    std::vector<Event> events;
    std::string device;
    program::SerialTimeouts timeouts;
    std::size_t inputQueue = 0;
    std::size_t outputQueue = 0;
    bool usedWhileClosed = false;

    program::SerialOpenResult open(const std::string& name) override {
        events.push_back({Kind::Open, {}, 0});
        device = name;
        m_open = openStatus == program::SerialOpenResult::Status::Opened;
        return {openStatus, m_open ? "" : "refused by the test"};
    }
    bool isOpen() const override { return m_open; }
    void close() override {
        record(Kind::Close);
        m_open = false;
        m_arrived.clear();
        m_inFlight.clear();
        m_radio.portClosed();
    }
    void setQueueSizes(std::size_t input, std::size_t output) override {
        record(Kind::QueueSizes);
        inputQueue = input;
        outputQueue = output;
    }
    void setLineSettings(const program::LineSettings&) override { record(Kind::LineSettings); }
    void setTimeouts(const program::SerialTimeouts& value) override {
        record(Kind::Timeouts);
        timeouts = value;
    }
    void purge() override {
        record(Kind::Purge);
        m_arrived.clear();
        m_inFlight.clear();
    }
    void clear() override {
        record(Kind::Clear);
        m_arrived.clear();
    }

    program::SerialReadResult read(std::size_t count) override {
        record(Kind::Read);
        events.back().asked = count;
        land();
        if (failingReads.count(++m_reads))
            return {{}, true};
        const std::size_t n = std::min(count, m_arrived.size());
        std::vector<std::uint8_t> bytes(m_arrived.begin(),
                                        m_arrived.begin() + static_cast<long>(n));
        m_arrived.erase(m_arrived.begin(), m_arrived.begin() + static_cast<long>(n));
        events.back().bytes = bytes;
        return {bytes, false};
    }

    bool write(std::span<const std::uint8_t> bytes) override {
        record(Kind::Write);
        events.back().bytes.assign(bytes.begin(), bytes.end());
        land();
        m_inFlight = m_radio.receive(bytes);
        return true;
    }

    // Read interval, read multiplier, read constant, write multiplier, write constant.
    std::array<int, 5> timeoutValues() const {
        return {timeouts.readInterval, timeouts.readTotalMultiplier, timeouts.readTotalConstant,
                timeouts.writeTotalMultiplier, timeouts.writeTotalConstant};
    }
    int count(Kind kind) const {
        return static_cast<int>(std::count_if(events.begin(), events.end(),
                                              [kind](const Event& e) { return e.kind == kind; }));
    }
    // The events as short words, for comparing whole exchanges: "open", "queue",
    // "line", "timeouts", "purge", "clear", "close", "w 52 0F E0 08" for a write,
    // "r 12" for a read of 12 bytes.
    std::vector<std::string> trace() const {
        static const char* const names[] = {"open",  "close", "queue", "line", "timeouts",
                                            "purge", "clear", "r",     "w"};
        std::vector<std::string> out;
        for (const Event& e : events) {
            std::string word = names[static_cast<int>(e.kind)];
            if (e.kind == Kind::Read)
                word += " " + std::to_string(e.asked);
            if (e.kind == Kind::Write) {
                for (std::uint8_t byte : e.bytes) {
                    static const char digits[] = "0123456789ABCDEF";
                    word += {' ', digits[byte >> 4], digits[byte & 0xF]};
                }
            }
            out.push_back(word);
        }
        return out;
    }

    // The port is closed now and nothing touched it while it was closed.
    bool closedProperly() const { return !m_open && !usedWhileClosed; }

private:
    void record(Kind kind) {
        if (!m_open)
            usedWhileClosed = true;
        events.push_back({kind, {}, 0});
    }
    void land() {
        m_arrived.insert(m_arrived.end(), m_inFlight.begin(), m_inFlight.end());
        m_inFlight.clear();
    }

    RecordingRadio& m_radio;
    bool m_open = false;
    int m_reads = 0;
    std::vector<std::uint8_t> m_arrived;
    std::vector<std::uint8_t> m_inFlight;
};

} // namespace testsupport
