#pragma once

#include <cstdint>

namespace program {

// The number a packed-BCD byte stands for: ten times the high nibble plus the low
// nibble. A nibble above 9 simply adds its value (0xFF reads as 165), so any byte
// pattern from a file or the radio reads as some number.
int bcdValue(std::uint8_t byte);

// The byte that bcdValue() reads back as `number`, with a high nibble of at most
// `maxHighNibble`. For 0..99 this is ordinary packed BCD; larger numbers (which only
// come from bytes with nibbles above 9) spill into the low nibble, so decoding and
// re-encoding such bytes keeps their value. Numbers outside what the byte can hold
// are clamped.
std::uint8_t bcdByte(int number, int maxHighNibble = 15);

// The largest number bcdByte() can store with the given high-nibble limit.
constexpr int bcdByteMax(int maxHighNibble = 15) {
    return 10 * maxHighNibble + 15;
}

} // namespace program
