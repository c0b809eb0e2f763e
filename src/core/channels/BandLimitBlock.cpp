#include "channels/BandLimitBlock.h"

#include "channels/Frequency.h"

#include <algorithm>
#include <cstdint>

namespace program {

namespace {

// The three digits of a limit in MHz. A nibble above 9 adds its value, so any block
// reads as some limit, and the digits are chosen so that such a limit writes back
// as the same value.
struct Digits {
    int hundreds, tens, units;
};

constexpr int MaxNibble = 15;
constexpr std::int64_t MaxBlockMHz = MaxNibble * 111;

Digits digitsOf(std::int64_t limit) {
    const int mhz = static_cast<int>(std::clamp<std::int64_t>(limit / TenHzPerMHz, 0, MaxBlockMHz));
    const int hundreds = std::min(mhz / 100, MaxNibble);
    const int tens = std::min((mhz - hundreds * 100) / 10, MaxNibble);
    return {hundreds, tens, mhz - hundreds * 100 - tens * 10};
}

std::int64_t limitOf(int hundreds, int tens, int units) {
    return (100 * hundreds + 10 * tens + units) * TenHzPerMHz;
}

std::uint8_t pack(int high, int low) {
    return static_cast<std::uint8_t>(high << 4 | low);
}

int high(std::uint8_t byte) {
    return byte >> 4;
}
int low(std::uint8_t byte) {
    return byte & 0x0F;
}

// One band occupies three bytes: lower h/t, upper h/t, then both units digits.
void readBand(const CodeplugImage& image, std::size_t offset, std::int64_t& lower,
              std::int64_t& upper) {
    const std::uint8_t lowerDigits = image.at(offset);
    const std::uint8_t upperDigits = image.at(offset + 1);
    const std::uint8_t units = image.at(offset + 2);
    lower = limitOf(high(lowerDigits), low(lowerDigits), high(units));
    upper = limitOf(high(upperDigits), low(upperDigits), low(units));
}

void writeBand(CodeplugImage& image, std::size_t offset, std::int64_t lower, std::int64_t upper) {
    const Digits l = digitsOf(lower);
    const Digits u = digitsOf(upper);
    image.set(offset, pack(l.hundreds, l.tens));
    image.set(offset + 1, pack(u.hundreds, u.tens));
    image.set(offset + 2, pack(l.units, u.units));
}

} // namespace

BandLimits readBandLimitBlock(const CodeplugImage& image) {
    BandLimits limits;
    readBand(image, imagemap::BandLimitBlock.offset, limits.vLower, limits.vUpper);
    readBand(image, imagemap::BandLimitBlock.offset + 3, limits.uLower, limits.uUpper);
    return limits;
}

void writeBandLimitBlock(const BandLimits& limits, CodeplugImage& image) {
    writeBand(image, imagemap::BandLimitBlock.offset, limits.vLower, limits.vUpper);
    writeBand(image, imagemap::BandLimitBlock.offset + 3, limits.uLower, limits.uUpper);
}

void writeBandShadow(const BandLimits& limits, CodeplugImage& image) {
    std::size_t offset = imagemap::BandShadow.offset;
    for (std::int64_t limit : {limits.vLower, limits.vUpper, limits.uLower, limits.uUpper}) {
        const auto mhz =
            static_cast<std::uint16_t>(std::clamp<std::int64_t>(limit / TenHzPerMHz, 0, 0xFFFF));
        image.set(offset++, static_cast<std::uint8_t>(mhz & 0xFF));
        image.set(offset++, static_cast<std::uint8_t>(mhz >> 8));
    }
}

BandLimits newDocumentBandLimits() {
    return {13600000, 17400000, 40000000, 52000000};
}

} // namespace program
