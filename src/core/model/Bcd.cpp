#include "model/Bcd.h"

#include <algorithm>

namespace program {

int bcdValue(std::uint8_t byte) {
    return 10 * (byte >> 4) + (byte & 0x0F);
}

std::uint8_t bcdByte(int number, int maxHighNibble) {
    const int value = std::clamp(number, 0, bcdByteMax(maxHighNibble));
    const int high = std::min(value / 10, maxHighNibble);
    const int low = value - 10 * high;
    return static_cast<std::uint8_t>(high << 4 | low);
}

} // namespace program
