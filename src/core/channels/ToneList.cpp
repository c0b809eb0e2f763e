#include "channels/ToneList.h"

#include "channels/ChannelTexts.h"
#include "model/Bcd.h"
#include "model/Decimal.h"

#include <algorithm>

namespace program {

namespace {

// CTCSS tones in 0.1 Hz.
constexpr int CtcssTones[] = {670,  693,  719,  744,  770,  797,  825,  854,  885,  915,
                              948,  974,  1000, 1035, 1072, 1109, 1148, 1188, 1230, 1273,
                              1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679,
                              1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966, 1995,
                              2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// DCS codes, their octal digits read as a decimal number.
constexpr int DcsCodes[] = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

static_assert(1 + std::size(CtcssTones) + 2 * std::size(DcsCodes) == ToneListSize);

constexpr std::uint8_t DcsNormal = 0x80;
constexpr std::uint8_t DcsInverted = 0xC0;
// The highest CTCSS high byte is 0x7F; from 0x80 on the byte means DCS.
constexpr int CtcssHighNibbleMax = 7;

std::string ctcssText(int tenthsOfHz) {
    return std::to_string(tenthsOfHz / 10) + "." + std::to_string(tenthsOfHz % 10);
}

// "D" + three digits + polarity. A code whose first digit is 0 keeps the "D0"
// prefix with the rest written as a plain number, as the radio's own lists do.
std::string dcsText(int firstDigit, int rest, char polarity) {
    const std::string prefix = firstDigit == 0 ? "D0" : "D";
    return prefix + std::to_string(firstDigit * 100 + rest) + polarity;
}

std::vector<std::string> buildToneList(Language language) {
    std::vector<std::string> list;
    list.reserve(ToneListSize);
    list.emplace_back(channeltext::NoTone.pick(language));
    for (int tone : CtcssTones)
        list.push_back(ctcssText(tone));
    for (char polarity : {'N', 'I'})
        for (int code : DcsCodes)
            list.push_back(dcsText(code / 100, code % 100, polarity));
    return list;
}

ToneCode encodeDcs(std::string_view text) {
    const bool normal = text.find('N') != std::string_view::npos;
    const std::uint8_t base = normal ? DcsNormal : DcsInverted;
    // The polarity ranges end at 0xBF and 0xFE (0xFF is no tone).
    const std::int64_t maxFirstDigit = normal ? 0x3F : 0x3E;

    const std::string_view digits = text.substr(1); // after the "D"
    const DecimalNumber code = readDecimal(digits);
    const std::int64_t number = code.negative ? 0 : scaledMagnitude(code, 0, Rounding::TowardZero);
    // A written leading 0 keeps the first digit 0 even when the rest is large, so
    // that any code read from a radio is written back as it was.
    const std::int64_t firstDigit =
        !digits.empty() && digits.front() == '0' ? 0 : std::min(number / 100, maxFirstDigit);
    const std::int64_t rest = std::min<std::int64_t>(number - firstDigit * 100, bcdByteMax());
    return {bcdByte(static_cast<int>(rest)), static_cast<std::uint8_t>(base + firstDigit)};
}

ToneCode encodeCtcss(std::string_view text) {
    const DecimalNumber number = readDecimal(text);
    // Rounding up: a tone typed with more decimals still lands on a tenth.
    const std::int64_t tenths = scaledMagnitude(number, 1, Rounding::Up);
    if (number.negative || tenths == 0)
        return {};
    const std::int64_t maxHigh = bcdByteMax(CtcssHighNibbleMax);
    const std::int64_t high = std::min(tenths / 100, maxHigh);
    const std::int64_t low = std::min<std::int64_t>(tenths - high * 100, bcdByteMax());
    return {bcdByte(static_cast<int>(low)), bcdByte(static_cast<int>(high), CtcssHighNibbleMax)};
}

} // namespace

const std::vector<std::string>& toneList(Language language) {
    static const std::vector<std::string> english = buildToneList(Language::English);
    static const std::vector<std::string> chinese = buildToneList(Language::Chinese);
    return language == Language::Chinese ? chinese : english;
}

std::string decodeTone(ToneCode code, bool blankChannel, Language language) {
    if (code.high == 0xFF || code.high == 0x00)
        return blankChannel ? std::string() : std::string(channeltext::NoTone.pick(language));
    if (code.high >= DcsInverted)
        return dcsText(code.high - DcsInverted, bcdValue(code.low), 'I');
    if (code.high >= DcsNormal)
        return dcsText(code.high - DcsNormal, bcdValue(code.low), 'N');
    return ctcssText(bcdValue(code.high) * 100 + bcdValue(code.low));
}

ToneCode encodeTone(std::string_view text) {
    if (text.find('D') != std::string_view::npos)
        return encodeDcs(text);
    return encodeCtcss(text);
}

} // namespace program
