#include "channels/BandLimitBlock.h"

#include "channels/Frequency.h"
#include "model/Fields.h"

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

// One band occupies three bytes: lower h/t, upper h/t, then both units digits.
void readBand(const CodeplugImage& image, std::size_t offset, std::int64_t& lower,
              std::int64_t& upper) {
    const std::uint8_t lowerDigits = image.at(offset);
    const std::uint8_t upperDigits = image.at(offset + 1);
    const std::uint8_t units = image.at(offset + 2);
    lower = limitOf(field::highDigit(lowerDigits), field::lowDigit(lowerDigits),
                    field::highDigit(units));
    upper = limitOf(field::highDigit(upperDigits), field::lowDigit(upperDigits),
                    field::lowDigit(units));
}

void writeBand(CodeplugImage& image, std::size_t offset, std::int64_t lower, std::int64_t upper) {
    const Digits l = digitsOf(lower);
    const Digits u = digitsOf(upper);
    image.set(offset, field::digitPair(l.hundreds, l.tens));
    image.set(offset + 1, field::digitPair(u.hundreds, u.tens));
    image.set(offset + 2, field::digitPair(l.units, u.units));
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
        field::setU16le(image.bytes(), offset, mhz);
        offset += 2;
    }
}

BandLimits newDocumentBandLimits() {
    return {13600000, 17400000, 40000000, 52000000};
}

} // namespace program
