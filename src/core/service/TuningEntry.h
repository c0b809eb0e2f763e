#pragma once

#include <string_view>

namespace program::service {

// The tuning grids of SQL Tuning and Parameter Adjust take 5 to 100 in a cell.
inline constexpr int TuningMinimum = 5;
inline constexpr int TuningMaximum = 100;
// At most three characters can be typed into a cell.
inline constexpr int TuningEntryLength = 3;

// A typed number as the radio's tools read one: leading blanks, an optional sign,
// then digits up to the first other character; text that does not start with a
// number reads as 0. Numbers beyond the range of int stop at its ends.
int leadingNumber(std::string_view text);

// What a cell of a tuning grid holds after the user typed `text` and left it:
// the number, brought into 5 ... 100.
int tuningEntry(std::string_view text);

} // namespace program::service
