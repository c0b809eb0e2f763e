#pragma once

#include "model/Bcd.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The ways the radio packs a value into its memory, so that each codec reads and
// writes them the same way. Fields are addressed by a byte position `at` inside a
// span (the whole image, or one record of it); a field that leaves the span
// throws std::out_of_range, so no codec can reach past what it was given.
namespace program::field {

// Bits of one byte, bit 0 the least significant. A field of `count` bits starts at
// bit `first`; writing one changes no other bit of the byte, and a value wider than
// the field is cut to it. Bit positions outside the byte throw std::out_of_range.
bool bit(std::uint8_t byte, int index);
std::uint8_t withBit(std::uint8_t byte, int index, bool on);
unsigned bits(std::uint8_t byte, int first, int count);
std::uint8_t withBits(std::uint8_t byte, int first, int count, unsigned value);

bool bit(std::span<const std::uint8_t> bytes, std::size_t at, int index);
void setBit(std::span<std::uint8_t> bytes, std::size_t at, int index, bool on);
unsigned bits(std::span<const std::uint8_t> bytes, std::size_t at, int first, int count);
void setBits(std::span<std::uint8_t> bytes, std::size_t at, int first, int count, unsigned value);

// The two BCD digits of a byte. A digit above 9 is kept as it is (a nibble of
// 0..15); a digit given outside 0..15 is cut to the nibble.
constexpr int highDigit(std::uint8_t byte) {
    return byte >> 4;
}
constexpr int lowDigit(std::uint8_t byte) {
    return byte & 0x0F;
}
constexpr std::uint8_t digitPair(int high, int low) {
    return static_cast<std::uint8_t>((high & 0x0F) << 4 | (low & 0x0F));
}

// 16-bit values, most significant byte first (big-endian) or last (little-endian).
std::uint16_t u16be(std::span<const std::uint8_t> bytes, std::size_t at);
void setU16be(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value);
std::uint16_t u16le(std::span<const std::uint8_t> bytes, std::size_t at);
void setU16le(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value);

// Single-byte text of `size` bytes: it ends at the first 0xFF or 0x00 or at the
// end of the field, and is padded with 0xFF when written. Each byte is shown as
// the character with that code (Latin-1, as UTF-8), so any bytes survive a round
// trip; a character beyond that range is stored as '?', and text longer than the
// field is cut.
std::string text(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t size);
void setText(std::span<std::uint8_t> bytes, std::size_t at, std::size_t size,
             std::string_view value);

} // namespace program::field
