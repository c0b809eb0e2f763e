#pragma once

#include "app/ProgramState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace program::wire {

// The acknowledge byte, sent by either side.
inline constexpr std::uint8_t Ack = 0x06;

// Wake: 0x02 then "PROGRA", sent one byte per write; the radio answers Ack.
inline constexpr std::array<std::uint8_t, 7> WakeSequence{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};

// Identify: "M" 0x02 in one write; the radio answers its 8-byte identity record.
inline constexpr std::array<std::uint8_t, 2> IdentifyRequest{0x4D, 0x02};

inline constexpr std::uint8_t ReadCommand = 0x52;  // "R"
inline constexpr std::uint8_t WriteCommand = 0x57; // "W"

// A read block's reply starts with this many header bytes before the data.
inline constexpr std::size_t ReadReplyHeaderSize = 4;

// Command, address high byte, address low byte, length.
using CommandFrame = std::array<std::uint8_t, 4>;

CommandFrame readBlockFrame(std::uint16_t address, std::uint8_t length);
CommandFrame writeBlockFrame(std::uint16_t address, std::uint8_t length);

// What a radio says about itself when asked to identify.
struct IdentityRecord {
    static constexpr std::size_t Size = 8;

    std::uint8_t model = 0;
    // The radio's frequency range in 10 Hz units, from the BCD digits of bytes 5-7.
    std::int64_t lowerLimit = 0;
    std::int64_t upperLimit = 0;

    // The record when `reply` holds all 8 bytes of a radio this program serves:
    // model letter "U", "P", "X" or "V", then "888". Nothing otherwise.
    static std::optional<IdentityRecord> parse(std::span<const std::uint8_t> reply);

    // A document suits the radio when its V band or its U band lies within the
    // radio's range.
    bool suits(const BandLimits& document) const;
};

} // namespace program::wire
