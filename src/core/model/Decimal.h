#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace program {

// A decimal number read from the start of a text the way the C library's
// ASCII-to-double conversion reads it: leading blanks, an optional sign, digits, one
// point, digits; the first other character ends it. Text without a number reads as
// 0. The digits are kept as written so that scaling them is exact.
struct DecimalNumber {
    bool negative = false;
    std::string integerDigits;  // without leading zeros; empty for 0
    std::string fractionDigits; // as written
};

DecimalNumber readDecimal(std::string_view text);
// Whether the text is one such number and nothing else (blanks around it aside):
// "145.0125" is, "145.0.125" and "" are not.
bool isOnlyADecimal(std::string_view text);

// Large enough for every value the program handles, small enough that arithmetic
// on it never overflows.
inline constexpr std::int64_t DecimalCap = 100'000'000'000'000'000; // 10^17

enum class Rounding { TowardZero, Up };

// |number| x 10^places as an integer, cut toward zero or rounded up (away from
// zero) at the last place, saturated at DecimalCap.
std::int64_t scaledMagnitude(const DecimalNumber& number, int places, Rounding rounding);

} // namespace program
