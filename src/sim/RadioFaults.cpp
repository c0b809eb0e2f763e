#include "RadioFaults.h"

#include "model/CodeplugImage.h"

#include <charconv>

namespace program::sim {

namespace {

// A count of at least `minimum`, or nothing when `text` is not one.
std::optional<int> parseCount(std::string_view text, int minimum) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < minimum)
        return std::nullopt;
    return value;
}

// A memory address, hexadecimal with "0x" or decimal, or nothing when `text` is not one.
std::optional<std::size_t> parseAddress(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    std::size_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        value >= CodeplugImage::Size)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::string> addFault(RadioFaults& faults, std::string_view text) {
    std::string_view name = text.substr(0, text.find('='));
    const bool hasValue = name.size() < text.size();
    std::string_view value = hasValue ? text.substr(name.size() + 1) : std::string_view{};

    if (!hasValue) {
        if (name == "silent")
            faults.silent = true;
        else if (name == "junk-before-wake")
            faults.junkBeforeWake = true;
        else if (name == "bad-identity")
            faults.badIdentity = true;
        else if (name == "short-identity")
            faults.shortIdentity = true;
        else if (name == "bad-confirm")
            faults.badConfirm = true;
        else if (name == "short-read")
            faults.shortReadEveryBlock = true;
        else if (name == "pad-after-reply")
            faults.padAfterReply = true;
        else
            return "unknown fault '" + std::string(text) + "'";
        return std::nullopt;
    }

    if (name == "corrupt-write") {
        faults.corruptWriteAt = parseAddress(value);
        if (!faults.corruptWriteAt)
            return "fault 'corrupt-write' needs a memory address from 0 to 0xFFF, not '" +
                   std::string(value) + "'";
        return std::nullopt;
    }
    const int minimum = name == "hang-after" ? 0 : 1;
    std::optional<int> count = parseCount(value, minimum);
    if (!count)
        return "fault '" + std::string(name) + "' needs a whole number of at least " +
               std::to_string(minimum) + ", not '" + std::string(value) + "'";
    if (name == "wake-only")
        faults.answerEveryNthWake = *count;
    else if (name == "no-ack")
        faults.noAckBlock = count;
    else if (name == "short-read")
        faults.shortReadBlock = count;
    else if (name == "hang-after")
        faults.hangAfter = count;
    else
        return "unknown fault '" + std::string(text) + "'";
    return std::nullopt;
}

std::string faultHelp() {
    return "        silent            never answer\n"
           "        wake-only=N       answer only every N-th wake sequence\n"
           "        junk-before-wake  send a stray byte before each wake answer\n"
           "        bad-identity      answer the identification with an unknown model\n"
           "        short-identity    answer the identification with 7 bytes instead of 8\n"
           "        bad-confirm       answer the confirmation with 15 instead of 06\n"
           "        no-ack=K          never acknowledge block K of a session\n"
           "        short-read[=K]    leave out the last byte of every read reply (or block K's)\n"
           "        hang-after=K      stop answering after K blocks, until the next wake\n"
           "        pad-after-reply   send a stray byte after each block reply\n"
           "        corrupt-write=ADDR keep the byte at ADDR (0xC3 or 195) of a written block\n"
           "                          inverted, though the block is acknowledged\n";
}

} // namespace program::sim
