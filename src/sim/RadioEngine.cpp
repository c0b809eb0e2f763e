#include "RadioEngine.h"

#include "model/FactoryDefaults.h"
#include "model/HexText.h"
#include "model/ImageMap.h"

#include <algorithm>
#include <cstdio>

namespace program::sim {

namespace {

// The radio's side is written from the radio's manual, apart from the program's
// protocol code, so that a wrong byte there cannot hide behind a shared constant.
constexpr std::array<std::uint8_t, 7> kWake = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kIdentify = 0x4D;
constexpr std::uint8_t kIdentifyArgument = 0x02;
constexpr std::uint8_t kRead = 0x52;
constexpr std::uint8_t kWrite = 0x57;
constexpr std::uint8_t kJunk = 0x00;
constexpr std::uint8_t kUnknownModel = 'Z';
constexpr std::size_t kFrameSize = 4;

std::string hexAddress(std::size_t address) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%03zX", address);
    return text;
}

} // namespace

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    const std::string text = hexText(bytes);
    return text.empty() ? "(nothing)" : text;
}

RadioIdentity defaultIdentity() {
    return {'U', '8', '8', '8', 0x00, 0x13, 0x17, 0x64};
}

CodeplugImage factoryFreshMemory() {
    CodeplugImage memory = factoryDefaults();
    const std::uint8_t bandLimits[] = {0x13, 0x17, 0x64, 0x40, 0x52, 0x00};
    const std::uint8_t bandShadow[] = {0x88, 0x00, 0xAE, 0x00, 0x90, 0x01, 0x08, 0x02};
    memory.write(imagemap::BandLimitBlock.offset, bandLimits);
    memory.write(imagemap::BandShadow.offset, bandShadow);
    return memory;
}

RadioEngine::RadioEngine(const CodeplugImage& memory, const RadioIdentity& identity,
                         const RadioFaults& faults, Log log)
    : m_memory(memory), m_identity(identity), m_faults(faults), m_log(std::move(log)) {
    m_faults.answerEveryNthWake = std::max(m_faults.answerEveryNthWake, 1);
}

std::vector<std::uint8_t> RadioEngine::receive(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> answer;
    for (std::uint8_t b : bytes)
        receive(b, answer);
    return answer;
}

void RadioEngine::receive(std::uint8_t byte, std::vector<std::uint8_t>& answer) {
    // The wake sequence restarts the radio whatever it was doing, so it is watched
    // for in every state, even inside a command.
    if (wakeCompleted(byte)) {
        wake(answer);
        return;
    }
    if (m_faults.silent || m_state == State::Asleep || m_state == State::Hung)
        return;
    command(byte, answer);
}

void RadioEngine::portClosed() {
    m_state = State::Asleep;
    m_command.clear();
    m_recentCount = 0;
    m_readAwaitingAck = 0;
}

bool RadioEngine::wakeCompleted(std::uint8_t byte) {
    std::shift_left(m_recent.begin(), m_recent.end(), 1);
    m_recent.back() = byte;
    m_recentCount = std::min(m_recentCount + 1, m_recent.size());
    return m_recentCount == m_recent.size() && m_recent == kWake;
}

void RadioEngine::wake(std::vector<std::uint8_t>& answer) {
    m_recentCount = 0;
    m_command.clear();
    m_readAwaitingAck = 0;
    ++m_wakesHeard;
    if (m_faults.silent || m_wakesHeard % m_faults.answerEveryNthWake != 0) {
        m_state = State::Asleep;
        log("wake #" + std::to_string(m_wakesHeard) + " not answered");
        return;
    }
    ++m_wakesAnswered;
    m_state = State::Awake;
    m_blocks = 0;
    if (m_faults.junkBeforeWake)
        answer.push_back(kJunk);
    answer.push_back(kAck);
    log("wake #" + std::to_string(m_wakesHeard) + " -> " +
        (m_faults.junkBeforeWake ? "00 06" : "06"));
}

void RadioEngine::command(std::uint8_t byte, std::vector<std::uint8_t>& answer) {
    if (m_command.empty()) {
        if (byte == kAck) {
            acknowledge(answer);
            return;
        }
        if (byte != kIdentify && byte != kRead && byte != kWrite) {
            log("ignored " + hexBytes({&byte, 1}));
            return;
        }
    }
    m_command.push_back(byte);
    const std::uint8_t code = m_command.front();
    std::size_t wanted = code == kIdentify ? 2 : kFrameSize;
    if (code == kWrite && m_command.size() >= kFrameSize)
        wanted += m_command[3];
    if (m_command.size() == wanted)
        commandComplete(answer);
}

void RadioEngine::commandComplete(std::vector<std::uint8_t>& answer) {
    std::vector<std::uint8_t> command;
    command.swap(m_command);
    if (command[0] == kIdentify) {
        if (command[1] == kIdentifyArgument)
            identify(answer);
        else
            log("ignored " + hexBytes(command));
        return;
    }
    if (m_state != State::Programming) {
        log("block command before the confirmation ignored: " +
            hexBytes(std::span(command).first(kFrameSize)));
        return;
    }
    const std::size_t address = std::size_t{command[1]} << 8 | command[2];
    const std::size_t length = command[3];
    if (length == 0 || address + length > CodeplugImage::Size) {
        log("block out of range ignored: " + hexBytes(std::span(command).first(kFrameSize)));
        return;
    }
    if (!startBlock())
        return;
    if (command[0] == kRead)
        readBlock(address, length, answer);
    else
        writeBlock(address, std::span(command).subspan(kFrameSize), answer);
}

void RadioEngine::identify(std::vector<std::uint8_t>& answer) {
    RadioIdentity identity = m_identity;
    if (m_faults.badIdentity)
        identity[0] = kUnknownModel;
    std::span<const std::uint8_t> sent(identity);
    if (m_faults.shortIdentity)
        sent = sent.first(sent.size() - 1);
    answer.insert(answer.end(), sent.begin(), sent.end());
    if (m_state == State::Awake)
        m_state = State::Identified;
    log("identify -> " + hexBytes(sent));
}

void RadioEngine::acknowledge(std::vector<std::uint8_t>& answer) {
    if (m_state == State::Awake) {
        log("06 before the identification ignored");
        return;
    }
    if (m_state == State::Identified) {
        std::uint8_t reply = m_faults.badConfirm ? kNak : kAck;
        answer.push_back(reply);
        m_state = State::Programming;
        log("confirm -> " + hexBytes({&reply, 1}));
        return;
    }
    const int block = m_readAwaitingAck;
    m_readAwaitingAck = 0;
    if (block != 0 && m_faults.noAckBlock == block) {
        log("06 of block " + std::to_string(block) + " not answered");
        return;
    }
    answer.push_back(kAck);
    log("06 -> 06");
}

bool RadioEngine::startBlock() {
    m_readAwaitingAck = 0;
    if (m_faults.hangAfter && m_blocks >= *m_faults.hangAfter) {
        m_state = State::Hung;
        log("hung after " + std::to_string(m_blocks) + " blocks");
        return false;
    }
    ++m_blocks;
    return true;
}

void RadioEngine::readBlock(std::size_t address, std::size_t length,
                            std::vector<std::uint8_t>& answer) {
    const std::uint8_t header[kFrameSize] = {kRead, static_cast<std::uint8_t>(address >> 8),
                                             static_cast<std::uint8_t>(address),
                                             static_cast<std::uint8_t>(length)};
    std::span<const std::uint8_t> data = m_memory.range(address, length);
    const std::size_t start = answer.size();
    answer.insert(answer.end(), std::begin(header), std::end(header));
    answer.insert(answer.end(), data.begin(), data.end());
    if (m_faults.shortReadEveryBlock || m_faults.shortReadBlock == m_blocks)
        answer.pop_back();
    if (m_faults.padAfterReply)
        answer.push_back(kJunk);
    m_readAwaitingAck = m_blocks;
    log("read " + hexAddress(address) + " " + std::to_string(length) + " -> " +
        hexBytes(std::span(answer).subspan(start)));
}

void RadioEngine::writeBlock(std::size_t address, std::span<const std::uint8_t> data,
                             std::vector<std::uint8_t>& answer) {
    m_memory.write(address, data);
    std::string line = "write " + hexAddress(address) + " " + hexBytes(data);
    std::string kept;
    if (const auto at = m_faults.corruptWriteAt;
        at && *at >= address && *at < address + data.size()) {
        m_memory.set(*at, static_cast<std::uint8_t>(~data[*at - address]));
        kept = ", " + hexAddress(*at) + " kept wrong";
    }
    if (m_faults.noAckBlock == m_blocks) {
        log(line + " -> not acknowledged" + kept);
        return;
    }
    answer.push_back(kAck);
    if (m_faults.padAfterReply) {
        answer.push_back(kJunk);
        line += " -> 06 00";
    } else {
        line += " -> 06";
    }
    log(line + kept);
}

void RadioEngine::log(const std::string& line) const {
    if (m_log)
        m_log(line);
}

} // namespace program::sim
