#pragma once

#include "model/CodeplugImage.h"

#include <array>
#include <cstddef>
#include <string>

namespace program::service {

// What SQL Tuning shows: one squelch threshold for each 10 MHz slice of the two
// bands, 130-179 MHz in five rows and 400-529 MHz in thirteen.
struct SquelchTuning {
    static constexpr int RowCount = 18;

    std::array<int, RowCount> values{};

    friend bool operator==(const SquelchTuning&, const SquelchTuning&) = default;
};

// The label of row `row` (0 ... 17), "130-139" ... "520-529", the same in both
// languages.
std::string squelchRowLabel(int row);
// Where row `row` lives in the image; the table's two fixed bytes are skipped.
std::size_t squelchRowOffset(int row);
// The value a new document holds in row `row`, also shown for an invalid byte.
int squelchRowDefault(int row);

// A byte outside 5 ... 100 shows its row's default; the image is not changed.
SquelchTuning loadSquelchTuning(const CodeplugImage& image);
// A value outside 5 ... 100 stores its row's default; the two fixed bytes of the
// table are set to 0x1A.
void storeSquelchTuning(const SquelchTuning& values, CodeplugImage& image);

// "+1" and "-1": every row at once, going round the range: one more than 100 (or
// any value outside the range) is 5, one less than 5 is 100.
SquelchTuning raisedByOne(const SquelchTuning& values);
SquelchTuning loweredByOne(const SquelchTuning& values);

} // namespace program::service
