#pragma once

#include "link/BlockPlan.h"
#include "link/SerialLink.h"
#include "link/WireVocabulary.h"
#include "model/CodeplugImage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace testsupport {

// A radio as the programming cable sees it: it answers the wake sequence, the
// identification, the confirmation and the block commands from its own memory,
// and can be told to misbehave. A wake sequence restarts its session at any time.
class FakeRadio {
public:
    program::CodeplugImage memory;
    // Model "U", "888", band 136 to 174 MHz.
    std::array<std::uint8_t, 8> identity{0x55, 0x38, 0x38, 0x38, 0x00, 0x13, 0x17, 0x64};
    std::size_t identityLength = 8;

    // Faults.
    int silentWakes = 0;               // the first n wakes go unanswered
    bool silent = false;               // no wake is ever answered
    bool junkBeforeWakeAnswer = false; // 0x15 before each wake answer
    int wrongConfirms = 0;             // the first n confirmations are answered 0x15
    int unacknowledgedBlock = 0;       // the n-th block command (from 1) gets no acknowledgement
    int shortReplyBlock = 0;           // the n-th block command's read reply lacks its last byte

    // What happened.
    int wakes = 0;
    int identifications = 0;
    std::vector<program::Block> blocksRead;
    std::vector<program::Block> blocksWritten;

    // Takes bytes from the program and returns the radio's answer to them.
    std::vector<std::uint8_t> receive(std::span<const std::uint8_t> bytes) {
        std::vector<std::uint8_t> answer;
        for (std::uint8_t byte : bytes)
            take(byte, answer);
        return answer;
    }

private:
    enum class State { Asleep, AwaitIdentify, AwaitConfirm, Ready, AwaitReadAck, WriteData };

    void take(std::uint8_t byte, std::vector<std::uint8_t>& answer) {
        std::rotate(m_wakeWindow.begin(), m_wakeWindow.begin() + 1, m_wakeWindow.end());
        m_wakeWindow.back() = byte;
        if (m_wakeWindow == program::wire::WakeSequence) {
            wake(answer);
            return;
        }
        m_pending.push_back(byte);
        switch (m_state) {
        case State::Asleep:
            m_pending.clear();
            break;
        case State::AwaitIdentify:
            if (m_pending.size() == 2) {
                if (std::equal(m_pending.begin(), m_pending.end(),
                               program::wire::IdentifyRequest.begin())) {
                    ++identifications;
                    answer.insert(answer.end(), identity.begin(),
                                  identity.begin() + static_cast<long>(identityLength));
                    m_state = State::AwaitConfirm;
                }
                m_pending.clear();
            }
            break;
        case State::AwaitConfirm:
            if (byte == program::wire::Ack) {
                const bool wrong = wrongConfirms > 0;
                wrongConfirms -= wrong ? 1 : 0;
                answer.push_back(wrong ? 0x15 : program::wire::Ack);
                m_state = wrong ? State::Asleep : State::Ready;
            }
            m_pending.clear();
            break;
        case State::Ready:
            if (m_pending.size() == 4)
                command(answer);
            break;
        case State::AwaitReadAck:
            if (byte == program::wire::Ack && !m_withholdAck)
                answer.push_back(program::wire::Ack);
            m_pending.clear();
            m_state = State::Ready;
            break;
        case State::WriteData:
            if (m_pending.size() == m_block.length) {
                std::copy(m_pending.begin(), m_pending.end(),
                          memory.range(m_block.address, m_block.length).begin());
                blocksWritten.push_back(m_block);
                if (!m_withholdAck)
                    answer.push_back(program::wire::Ack);
                m_pending.clear();
                m_state = State::Ready;
            }
            break;
        }
    }

    void wake(std::vector<std::uint8_t>& answer) {
        ++wakes;
        m_pending.clear();
        if (silent || wakes <= silentWakes) {
            m_state = State::Asleep;
            return;
        }
        if (junkBeforeWakeAnswer)
            answer.push_back(0x15);
        answer.push_back(program::wire::Ack);
        m_state = State::AwaitIdentify;
    }

    // A command frame with an unknown command or a block outside the memory is
    // ignored, as are stray bytes that happen to look like the start of one.
    void command(std::vector<std::uint8_t>& answer) {
        const std::uint8_t code = m_pending[0];
        m_block = {static_cast<std::uint16_t>(m_pending[1] << 8 | m_pending[2]), m_pending[3]};
        m_pending.clear();
        const bool valid =
            (code == program::wire::ReadCommand || code == program::wire::WriteCommand) &&
            m_block.length >= 1 && m_block.length <= 8 &&
            m_block.address + m_block.length <= program::CodeplugImage::Size;
        if (!valid)
            return;
        ++m_blockCount;
        m_withholdAck = m_blockCount == unacknowledgedBlock;
        if (code == program::wire::WriteCommand) {
            m_state = State::WriteData;
            return;
        }
        blocksRead.push_back(m_block);
        // Header bytes the program never examines.
        answer.insert(answer.end(), {0x57, static_cast<std::uint8_t>(m_block.address >> 8),
                                     static_cast<std::uint8_t>(m_block.address), m_block.length});
        const auto data = memory.range(m_block.address, m_block.length);
        answer.insert(answer.end(), data.begin(), data.end());
        if (m_blockCount == shortReplyBlock)
            answer.pop_back();
        m_state = State::AwaitReadAck;
    }

    std::array<std::uint8_t, 7> m_wakeWindow{};
    std::vector<std::uint8_t> m_pending;
    State m_state = State::Asleep;
    program::Block m_block;
    int m_blockCount = 0;
    bool m_withholdAck = false;
};

// A serial port that records everything done to it. Reads are answered by a
// FakeRadio, or, without one, from `scriptedReads` (a time-out with no bytes
// once the script runs out).
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

    explicit FakeSerialLink(FakeRadio* radio = nullptr) : m_radio(radio) {}

    // How the next open ends.
    program::SerialOpenResult::Status openStatus = program::SerialOpenResult::Status::Opened;
    // Reads (counted from 1) that report a device error.
    std::set<int> failingReads;
    std::deque<std::vector<std::uint8_t>> scriptedReads;

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
        if (!m_radio && !scriptedReads.empty()) {
            m_arrived.insert(m_arrived.end(), scriptedReads.front().begin(),
                             scriptedReads.front().end());
            scriptedReads.pop_front();
        }
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
        if (m_radio)
            m_inFlight = m_radio->receive(bytes);
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
    std::vector<std::vector<std::uint8_t>> writes() const {
        std::vector<std::vector<std::uint8_t>> out;
        for (const Event& e : events) {
            if (e.kind == Kind::Write)
                out.push_back(e.bytes);
        }
        return out;
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

    FakeRadio* m_radio;
    bool m_open = false;
    int m_reads = 0;
    std::vector<std::uint8_t> m_arrived;
    std::vector<std::uint8_t> m_inFlight;
};

} // namespace testsupport
