#include "channels/Frequency.h"

#include "model/Bcd.h"
#include "model/Decimal.h"

#include <algorithm>

namespace program {

namespace {

constexpr int FrequencyDecimals = 5;

// Place values of the four digit pairs, from byte +3 down to byte +0.
constexpr std::int64_t PairPlace[FrequencyFieldSize] = {1'000'000, 10'000, 100, 1};

std::string fractionText(std::int64_t fraction) {
    std::string text = std::to_string(fraction);
    return std::string(FrequencyDecimals - text.size(), '0') + text;
}

} // namespace

ParsedFrequency parseFrequency(std::string_view text) {
    const DecimalNumber number = readDecimal(text);
    const std::int64_t magnitude = scaledMagnitude(number, FrequencyDecimals, Rounding::TowardZero);

    std::string fraction = number.fractionDigits.substr(
        0, std::min<std::size_t>(number.fractionDigits.size(), FrequencyDecimals));
    fraction.resize(FrequencyDecimals, '0');
    const std::string integer = number.integerDigits.empty() ? "0" : number.integerDigits;

    ParsedFrequency parsed;
    parsed.text = (number.negative ? "-" : "") + integer + "." + fraction;
    parsed.value = number.negative ? -magnitude : magnitude;
    return parsed;
}

std::string formatFrequency(std::int64_t value) {
    const std::string sign = value < 0 ? "-" : "";
    // Kept away from the most negative value, whose magnitude has no int64.
    const std::int64_t magnitude = value < 0 ? -std::max(value, -DecimalCap) : value;
    return sign + std::to_string(magnitude / TenHzPerMHz) + "." +
           fractionText(magnitude % TenHzPerMHz);
}

std::int64_t decodeFrequencyField(std::span<const std::uint8_t, FrequencyFieldSize> field) {
    if (field[3] == 0xFF || field[3] == 0x00)
        return 0;
    std::int64_t value = 0;
    for (int byte = 3; byte >= 0; --byte)
        value = value * 100 + bcdValue(field[byte]);
    return value;
}

bool fieldHoldsFrequency(std::int64_t value) {
    return value > 0 && value <= MaxFieldFrequency;
}

void encodeFrequencyField(std::int64_t value, std::span<std::uint8_t, FrequencyFieldSize> field) {
    if (!fieldHoldsFrequency(value)) {
        std::fill(field.begin(), field.end(), std::uint8_t{0xFF});
        return;
    }
    // Each pair takes as much of the value as its byte can read back; for eight
    // decimal digits that is ordinary BCD. The last byte stops below 0xFF, which
    // would read as no frequency.
    std::int64_t rest = value;
    for (int pair = 0; pair < 4; ++pair) {
        const int maxNumber = pair == 0 ? bcdByteMax() - 1 : bcdByteMax();
        const auto number =
            static_cast<int>(std::min<std::int64_t>(rest / PairPlace[pair], maxNumber));
        field[3 - pair] = bcdByte(number);
        rest -= number * PairPlace[pair];
    }
}

} // namespace program
