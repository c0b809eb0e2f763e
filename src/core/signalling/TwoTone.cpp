#include "signalling/TwoTone.h"

#include "model/Decimal.h"
#include "model/Fields.h"
#include "model/ImageMap.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace program::signalling {

namespace {

using imagemap::TwoToneDecodeEntries;
using imagemap::TwoToneDecodeEntrySize;
using imagemap::TwoToneEncodeEntrySize;
using imagemap::TwoToneEncodeList;
using imagemap::TwoToneEncodeTiming;

// Edits are compared and stepped on their number in millionths, exactly; only the
// text shown is made from a double, as the edit's format makes it.
constexpr std::int64_t Micro = 1'000'000;

struct EditRule {
    std::int64_t lowest; // millionths
    std::int64_t highest;
    std::int64_t step;
    std::int64_t unit; // millionths per unit of the kept value
    int decimals;
};

constexpr EditRule ruleOf(TwoToneEdit kind) {
    switch (kind) {
    case TwoToneEdit::Tone:
        return {288'500'000, 3'106'000'000, 100'000, 100'000, 1};
    case TwoToneEdit::Delay:
        return {500'000, 10'000'000, 100'000, 100'000, 1};
    case TwoToneEdit::Interval:
        return {0, 2'000'000, 100'000, 100'000, 1};
    case TwoToneEdit::TxRise:
        break;
    }
    return {100'000, 1'000'000, 50'000, 10'000, 2};
}

// The Tx rise delay lives on a grid of 5 hundredths.
constexpr std::int64_t TxRiseGrid = 5;

std::int64_t floorToStep(std::int64_t value, std::int64_t step) {
    const std::int64_t quotient = value / step - (value % step < 0 ? 1 : 0);
    return quotient * step;
}

std::int64_t ceilToStep(std::int64_t value, std::int64_t step) {
    return -floorToStep(-value, step);
}

std::int64_t readMicro(std::string_view text) {
    const DecimalNumber number = readDecimal(text);
    const std::int64_t magnitude = scaledMagnitude(number, 6, Rounding::TowardZero);
    return number.negative ? -magnitude : magnitude;
}

std::string fixed(std::int64_t micro, int decimals) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, double(micro) / double(Micro),
                                      std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// Tx rise in hundredths, cut toward zero as the edit's number is.
std::int64_t hundredthsOf(std::int64_t micro) {
    return micro / 10'000;
}

std::string txRiseText(std::int64_t hundredths) {
    return fixed(hundredths * 10'000, 2);
}

// Times in 50 ms steps, as the radio counts them.
constexpr int StepsPerSecond = 20;

std::size_t pairAt(std::size_t pair, std::size_t tone) {
    return TwoToneEncodeList.offset + pair * TwoToneEncodeEntrySize + tone * 2;
}

std::size_t dividerAt(std::size_t pair, std::size_t tone) {
    return imagemap::TwoToneEncodeDividers.offset + pair * TwoToneEncodeEntrySize + tone * 2;
}

constexpr std::uint16_t EmptyCell = 0xFFFF;
constexpr std::uint16_t EmptyDivider = 0x0000;

// The timing block's fields.
constexpr std::size_t FirstDelayAt = TwoToneEncodeTiming.offset + 0;
constexpr std::size_t SecondDelayAt = TwoToneEncodeTiming.offset + 1;
constexpr std::size_t LongDelayAt = TwoToneEncodeTiming.offset + 2;
constexpr std::size_t IntervalAt = TwoToneEncodeTiming.offset + 3;
constexpr std::size_t TxRiseAt = TwoToneEncodeTiming.offset + 5;
constexpr std::size_t ShortBeepAt = TwoToneEncodeTiming.offset + 7;

// A decode entry's fields, the same in its own block and in its derived block.
constexpr std::size_t ATone = 0, BTone = 2, FirstDelay = 4, SecondDelay = 5, Interval = 6,
                      LongDelay = 7;

// The interval in tenths of a second as the edit shows a count of 50 ms steps.
int intervalTenthsOf(std::int64_t steps) {
    const std::int64_t micro = steps * Micro / StepsPerSecond;
    return int(readMicro(fixed(micro, 1)) / ruleOf(TwoToneEdit::Interval).unit);
}

std::uint16_t intervalSteps(const TwoToneEncode& values) {
    const int tenths = clampTwoTone(TwoToneEdit::Interval, values.interval);
    const std::int64_t mostSteps = ruleOf(TwoToneEdit::Interval).highest * StepsPerSecond / Micro;
    if (const auto& loaded = values.loadedIntervalSteps;
        loaded && *loaded >= 0 && *loaded <= mostSteps && intervalTenthsOf(*loaded) == tenths)
        return std::uint16_t(*loaded);
    return std::uint16_t(tenths * StepsPerSecond / 10);
}

std::uint16_t roundedQuotient(std::int64_t dividend, int divisor) {
    return std::uint16_t((2 * dividend + divisor) / (2 * std::int64_t(divisor)));
}

} // namespace

std::string leaveTwoToneEdit(TwoToneEdit kind, std::string_view text) {
    const EditRule rule = ruleOf(kind);
    std::int64_t micro = readMicro(text);
    if (kind == TwoToneEdit::TxRise) {
        const std::int64_t hundredths = floorToStep(hundredthsOf(micro), TxRiseGrid);
        return txRiseText(
            std::clamp(hundredths, rule.lowest / rule.unit, rule.highest / rule.unit));
    }
    if (micro < rule.lowest)
        micro = rule.lowest;
    else if (micro > rule.highest)
        micro = rule.highest;
    return fixed(micro, rule.decimals);
}

std::string spinTwoToneEdit(TwoToneEdit kind, std::string_view text, Spin spin) {
    const EditRule rule = ruleOf(kind);
    const std::int64_t micro = readMicro(text);
    if (kind == TwoToneEdit::TxRise) {
        const std::int64_t hundredths = hundredthsOf(micro);
        const std::int64_t lowest = rule.lowest / rule.unit, highest = rule.highest / rule.unit;
        std::int64_t next = 0;
        if (spin == Spin::Up) {
            next = hundredths % TxRiseGrid == 0 ? hundredths + TxRiseGrid
                                                : ceilToStep(hundredths, TxRiseGrid);
            if (next > highest)
                next = lowest;
        } else {
            next = hundredths % TxRiseGrid == 0 ? hundredths - TxRiseGrid
                                                : floorToStep(hundredths, TxRiseGrid);
            if (next < lowest)
                next = highest;
        }
        return txRiseText(next);
    }
    std::int64_t next = micro + (spin == Spin::Up ? rule.step : -rule.step);
    if (next < rule.lowest)
        next = rule.highest;
    else if (next > rule.highest)
        next = rule.lowest;
    return fixed(next, rule.decimals);
}

int twoToneValue(TwoToneEdit kind, std::string_view text) {
    return int(readMicro(leaveTwoToneEdit(kind, text)) / ruleOf(kind).unit);
}

std::string twoToneText(TwoToneEdit kind, int value) {
    const EditRule rule = ruleOf(kind);
    return fixed(std::int64_t(value) * rule.unit, rule.decimals);
}

int clampTwoTone(TwoToneEdit kind, int value) {
    return twoToneValue(kind, twoToneText(kind, value));
}

std::string commitToneCell(std::string_view text) {
    return text.empty() ? std::string() : leaveTwoToneEdit(TwoToneEdit::Tone, text);
}

std::uint16_t encodeDivider(int tone) {
    return roundedQuotient(1'119'570, clampTwoTone(TwoToneEdit::Tone, tone));
}

std::uint16_t decodeDivider(int tone) {
    return roundedQuotient(8'956'580, clampTwoTone(TwoToneEdit::Tone, tone));
}

TwoToneEncode loadTwoToneEncode(const CodeplugImage& image) {
    const auto bytes = image.bytes();
    TwoToneEncode values;
    values.firstDelay = bytes[FirstDelayAt];
    values.secondDelay = bytes[SecondDelayAt];
    values.longDelay = bytes[LongDelayAt];
    const std::uint16_t steps = field::u16be(bytes, IntervalAt);
    values.interval = intervalTenthsOf(steps);
    values.loadedIntervalSteps = steps;
    values.txRise = int(field::u16be(bytes, TxRiseAt)) * (100 / StepsPerSecond);
    values.shortBeep = bytes[ShortBeepAt] != 0;
    for (std::size_t pair = 0; pair < TwoToneEncode::PairCount; ++pair) {
        for (std::size_t tone = 0; tone < 2; ++tone) {
            const std::uint16_t stored = field::u16be(bytes, pairAt(pair, tone));
            if (stored != EmptyCell)
                values.pairs[pair][tone] = stored;
        }
    }
    return values;
}

void storeTwoToneEncode(const TwoToneEncode& values, CodeplugImage& image) {
    const auto bytes = image.bytes();
    bytes[FirstDelayAt] = std::uint8_t(clampTwoTone(TwoToneEdit::Delay, values.firstDelay));
    bytes[SecondDelayAt] = std::uint8_t(clampTwoTone(TwoToneEdit::Delay, values.secondDelay));
    bytes[LongDelayAt] = std::uint8_t(clampTwoTone(TwoToneEdit::Delay, values.longDelay));
    field::setU16be(bytes, IntervalAt, intervalSteps(values));
    field::setU16be(
        bytes, TxRiseAt,
        std::uint16_t(clampTwoTone(TwoToneEdit::TxRise, values.txRise) / (100 / StepsPerSecond)));
    bytes[ShortBeepAt] = values.shortBeep ? 1 : 0;
    for (std::size_t pair = 0; pair < TwoToneEncode::PairCount; ++pair) {
        for (std::size_t tone = 0; tone < 2; ++tone) {
            const std::optional<int>& cell = values.pairs[pair][tone];
            const int clamped = cell ? clampTwoTone(TwoToneEdit::Tone, *cell) : 0;
            field::setU16be(bytes, pairAt(pair, tone), cell ? std::uint16_t(clamped) : EmptyCell);
            field::setU16be(bytes, dividerAt(pair, tone),
                            cell ? encodeDivider(clamped) : EmptyDivider);
        }
    }
}

TwoToneDecode loadTwoToneDecode(const CodeplugImage& image, std::size_t entry) {
    const auto block = image.bytes().subspan(
        TwoToneDecodeEntries.offset + (entry - 1) * TwoToneDecodeEntrySize, TwoToneDecodeEntrySize);
    TwoToneDecode values;
    values.aTone = field::u16be(block, ATone);
    values.bTone = field::u16be(block, BTone);
    values.firstDelay = block[FirstDelay];
    values.secondDelay = block[SecondDelay];
    values.interval = block[Interval];
    values.longDelay = block[LongDelay];
    return values;
}

void storeTwoToneDecode(const TwoToneDecode& values, std::size_t entry, CodeplugImage& image) {
    const std::size_t index = entry - 1;
    const auto block = image.bytes().subspan(
        TwoToneDecodeEntries.offset + index * TwoToneDecodeEntrySize, TwoToneDecodeEntrySize);
    const int aTone = clampTwoTone(TwoToneEdit::Tone, values.aTone);
    const int bTone = clampTwoTone(TwoToneEdit::Tone, values.bTone);
    const std::pair<std::size_t, int> times[] = {
        {FirstDelay, clampTwoTone(TwoToneEdit::Delay, values.firstDelay)},
        {SecondDelay, clampTwoTone(TwoToneEdit::Delay, values.secondDelay)},
        {Interval, clampTwoTone(TwoToneEdit::Interval, values.interval)},
        {LongDelay, clampTwoTone(TwoToneEdit::Delay, values.longDelay)},
    };
    field::setU16be(block, ATone, std::uint16_t(aTone));
    field::setU16be(block, BTone, std::uint16_t(bTone));
    for (const auto& [at, tenths] : times)
        block[at] = std::uint8_t(tenths);

    if (index >= imagemap::TwoToneDerivedDecodeEntryCount)
        return;
    const auto derived = image.bytes().subspan(imagemap::TwoToneDerivedDecodeEntries.offset +
                                                   index * TwoToneDecodeEntrySize,
                                               TwoToneDecodeEntrySize);
    field::setU16be(derived, ATone, decodeDivider(aTone));
    field::setU16be(derived, BTone, decodeDivider(bTone));
    for (const auto& [at, tenths] : times)
        derived[at] = std::uint8_t(tenths * StepsPerSecond / 10);
}

} // namespace program::signalling
