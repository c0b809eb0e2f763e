#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace program::sim {

// Misbehaviour the simulated radio can be told to show, to exercise every
// failure path of the program without a broken radio at hand. Block numbers
// count the read and write commands of one session from 1 (the session starts
// with each answered wake sequence; a read's password block is block 1).
struct RadioFaults {
    bool silent = false;               // never answers anything
    int answerEveryNthWake = 1;        // wake-only=N: answers the N-th, 2N-th... wake only
    bool junkBeforeWake = false;       // a stray byte precedes each wake answer
    bool badIdentity = false;          // identity with a model letter no program accepts
    bool shortIdentity = false;        // identity one byte short
    bool badConfirm = false;           // confirmation answered with a NAK
    std::optional<int> noAckBlock;     // no-ack=K: block K is never acknowledged
    bool shortReadEveryBlock = false;  // short-read: every read reply one byte short
    std::optional<int> shortReadBlock; // short-read=K: only block K's reply is short
    std::optional<int> hangAfter;      // hang-after=K: silent after K blocks until a wake
    bool padAfterReply = false;        // a stray byte follows each block reply
    // corrupt-write=ADDR: a written block that covers ADDR is acknowledged as usual,
    // but the radio keeps that one byte inverted, as a noisy cable would leave it.
    std::optional<std::size_t> corruptWriteAt;
};

// Adds one fault given as on the command line ("silent", "no-ack=3"...). Returns
// an explanation when the text names no fault or carries a bad number.
std::optional<std::string> addFault(RadioFaults& faults, std::string_view text);

// The fault names with their arguments, one per line, for --help.
std::string faultHelp();

} // namespace program::sim
