#include "service/SquelchTuning.h"

#include "model/FactoryDefaults.h"
#include "model/ImageMap.h"
#include "service/TuningEntry.h"

#include <cstdint>

namespace program::service {

namespace {

using imagemap::SquelchFixed;
using imagemap::SquelchTable;

// The rows before the fixed bytes are the V band's.
constexpr int VRows = static_cast<int>(SquelchFixed.offset - SquelchTable.offset);
constexpr int VFirstMHz = 130;
constexpr int UFirstMHz = 400;
constexpr std::uint8_t FixedByte = 0x1A;

static_assert(SquelchTable.size == SquelchTuning::RowCount + SquelchFixed.size);

bool inRange(int value) {
    return value >= TuningMinimum && value <= TuningMaximum;
}

} // namespace

std::string squelchRowLabel(int row) {
    const int first = row < VRows ? VFirstMHz + 10 * row : UFirstMHz + 10 * (row - VRows);
    return std::to_string(first) + "-" + std::to_string(first + 9);
}

std::size_t squelchRowOffset(int row) {
    const std::size_t at = SquelchTable.offset + static_cast<std::size_t>(row);
    return row < VRows ? at : at + SquelchFixed.size;
}

// The new document's table is the one the dialog falls back to.
int squelchRowDefault(int row) {
    static const CodeplugImage defaults = factoryDefaults();
    return defaults.at(squelchRowOffset(row));
}

SquelchTuning loadSquelchTuning(const CodeplugImage& image) {
    SquelchTuning values;
    for (int row = 0; row < SquelchTuning::RowCount; ++row) {
        const int stored = image.at(squelchRowOffset(row));
        values.values[row] = inRange(stored) ? stored : squelchRowDefault(row);
    }
    return values;
}

void storeSquelchTuning(const SquelchTuning& values, CodeplugImage& image) {
    for (int row = 0; row < SquelchTuning::RowCount; ++row) {
        const int value = inRange(values.values[row]) ? values.values[row] : squelchRowDefault(row);
        image.set(squelchRowOffset(row), static_cast<std::uint8_t>(value));
    }
    for (std::size_t at = SquelchFixed.offset; at < SquelchFixed.end(); ++at)
        image.set(at, FixedByte);
}

SquelchTuning raisedByOne(const SquelchTuning& values) {
    SquelchTuning raised;
    for (int row = 0; row < SquelchTuning::RowCount; ++row) {
        const int v = values.values[row];
        raised.values[row] = v >= TuningMinimum - 1 && v < TuningMaximum ? v + 1 : TuningMinimum;
    }
    return raised;
}

SquelchTuning loweredByOne(const SquelchTuning& values) {
    SquelchTuning lowered;
    for (int row = 0; row < SquelchTuning::RowCount; ++row) {
        const int v = values.values[row];
        lowered.values[row] = v > TuningMinimum && v <= TuningMaximum + 1 ? v - 1 : TuningMaximum;
    }
    return lowered;
}

} // namespace program::service
