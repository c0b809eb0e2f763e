#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace program {

// Frequencies are held in units of 10 Hz (136.125 MHz = 13612500) and shown in MHz
// with five decimals ("136.12500").
inline constexpr std::int64_t TenHzPerMHz = 100000;

// A frequency as typed: the text in its shown form and its value in 10 Hz units.
struct ParsedFrequency {
    std::string text;
    std::int64_t value = 0;

    friend bool operator==(const ParsedFrequency&, const ParsedFrequency&) = default;
};

// Reads MHz from the start of the text (blanks, sign, digits, one point, digits;
// text without a number reads as 0). The value is exact, cut toward zero after the
// fifth decimal, and saturates for absurdly long numbers; the text shows the same
// digits as the value, so a shown frequency always parses back to what is stored.
ParsedFrequency parseFrequency(std::string_view text);

// The shown form of a value in 10 Hz units: "136.12500".
std::string formatFrequency(std::int64_t value);

// Receive and transmit frequencies are four packed-BCD bytes, least significant
// digit pair first: 136.12500 MHz is 00 25 61 13. A last byte of 0xFF or 0x00 means
// no frequency.
inline constexpr std::size_t FrequencyFieldSize = 4;

// The value of a field, or 0 when it holds no frequency.
std::int64_t decodeFrequencyField(std::span<const std::uint8_t, FrequencyFieldSize> field);

// The largest value a field can hold (a field decoded from any bytes re-encodes to
// the same value).
inline constexpr std::int64_t MaxFieldFrequency = 165'666'665;

// Whether `value` is written as a frequency (1 .. MaxFieldFrequency); anything else
// is written as no frequency.
bool fieldHoldsFrequency(std::int64_t value);

void encodeFrequencyField(std::int64_t value, std::span<std::uint8_t, FrequencyFieldSize> field);

} // namespace program
