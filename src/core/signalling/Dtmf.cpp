#include "signalling/Dtmf.h"

#include "model/Fields.h"
#include "model/ImageMap.h"

#include <algorithm>
#include <cstdint>

namespace program::signalling {

namespace {

using imagemap::DtmfTiming;

constexpr std::size_t SpeedAt = DtmfTiming.offset;
constexpr std::size_t FirstDigitDelayAt = DtmfTiming.offset + 1;
constexpr std::size_t FirstDigitTimeAt = DtmfTiming.offset + 2;
constexpr std::size_t StarHashTimeAt = DtmfTiming.offset + 3;
// Bits of the first feature flag byte that belong to DTMF.
constexpr std::size_t FlagsAt = imagemap::FeatureFlags.offset;
constexpr int StunActivationBit = 4;
constexpr int StunTxInhibitBit = 5;
constexpr int SideToneBit = 6;

// The speeds the two speed bits stand for, in digits per second.
constexpr int Speeds[] = {6, 8, 10, 15};
// Times are kept in 50 ms steps; a byte's top three bits are not part of it.
constexpr int TimeStepMs = 50;
constexpr unsigned TimeBits = 0x1F;
constexpr int MaxFirstDigitDelayMs = 1000;

constexpr int WholeNumberCap = 1'000'000'000;

int floorToStep(int value, int step) {
    const int quotient = value / step - (value % step < 0 ? 1 : 0);
    return quotient * step;
}

int timeOf(std::uint8_t byte) {
    return int(byte & TimeBits) * TimeStepMs;
}

std::uint8_t timeByte(int ms) {
    return std::uint8_t(ms / TimeStepMs);
}

std::size_t callAt(std::size_t index) {
    return imagemap::DtmfCallList.offset + index * DtmfCallList::EntryLength;
}

} // namespace

DtmfEncode loadDtmfEncode(const CodeplugImage& image) {
    const auto bytes = image.bytes();
    DtmfEncode values;
    values.speed = Speeds[field::bits(bytes, SpeedAt, 0, 2)];
    values.firstDigitDelayMs = timeOf(bytes[FirstDigitDelayAt]);
    values.firstDigitTimeMs = timeOf(bytes[FirstDigitTimeAt]);
    values.starHashTimeMs = timeOf(bytes[StarHashTimeAt]);
    values.sideTone = field::bit(bytes, FlagsAt, SideToneBit);
    return values;
}

void storeDtmfEncode(const DtmfEncode& values, CodeplugImage& image) {
    const auto bytes = image.bytes();
    const int speed = normaliseSpeed(values.speed);
    const auto code = std::find(std::begin(Speeds), std::end(Speeds), speed) - std::begin(Speeds);
    field::setBits(bytes, SpeedAt, 0, 2, unsigned(code));
    bytes[FirstDigitDelayAt] = timeByte(normaliseFirstDigitDelay(values.firstDigitDelayMs));
    bytes[FirstDigitTimeAt] = timeByte(normaliseDigitTime(values.firstDigitTimeMs));
    bytes[StarHashTimeAt] = timeByte(normaliseDigitTime(values.starHashTimeMs));
    field::setBit(bytes, FlagsAt, SideToneBit, values.sideTone);
}

int readWholeNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = std::min<long long>(value * 10 + (text[at] - '0'), WholeNumberCap);
    return int(negative ? -value : value);
}

int normaliseSpeed(int speed) {
    if (speed <= 7)
        return 6;
    if (speed <= 9)
        return 8;
    if (speed <= 14)
        return 10;
    return 15;
}

int spinSpeed(int speed, Spin spin) {
    if (spin == Spin::Up) {
        for (int next : Speeds)
            if (speed < next)
                return next;
        return Speeds[0];
    }
    for (auto it = std::rbegin(Speeds); it != std::rend(Speeds); ++it)
        if (speed > *it)
            return *it;
    return Speeds[3];
}

int normaliseFirstDigitDelay(int ms) {
    if (ms < 0)
        return 0;
    if (ms > MaxFirstDigitDelayMs)
        return MaxFirstDigitDelayMs;
    return floorToStep(ms, TimeStepMs);
}

int spinFirstDigitDelay(int ms, Spin spin) {
    const int down = floorToStep(ms, TimeStepMs);
    if (spin == Spin::Up) {
        const int up = down == ms ? ms + TimeStepMs : down + TimeStepMs;
        return up > MaxFirstDigitDelayMs ? 0 : up;
    }
    const int next = down == ms ? ms - TimeStepMs : down;
    return next < 0 ? MaxFirstDigitDelayMs : next;
}

int normaliseDigitTime(int ms) {
    if (ms < 100)
        return 0;
    if (ms < 500)
        return 100;
    if (ms < 1000)
        return 500;
    return 1000;
}

int spinDigitTime(int ms, Spin spin) {
    if (spin == Spin::Up) {
        if (ms < 100)
            return 100;
        if (ms < 500)
            return 500;
        return ms >= 1000 ? 0 : 1000;
    }
    if (ms >= 1 && ms <= 100)
        return 0;
    if (ms >= 101 && ms <= 500)
        return 100;
    if (ms >= 501 && ms <= 1000)
        return 500;
    return 1000;
}

DtmfDecode loadDtmfDecode(const CodeplugImage& image) {
    const auto bytes = image.bytes();
    DtmfDecode values;
    values.idCode = field::text(bytes, imagemap::DtmfIdCode.offset, imagemap::DtmfIdCode.size);
    values.groupCode = bytes[imagemap::DtmfGroupCode];
    values.stunCode =
        field::text(bytes, imagemap::DtmfStunCode.offset, imagemap::DtmfStunCode.size);
    values.stunActivation = field::bit(bytes, FlagsAt, StunActivationBit);
    values.stunType = field::bit(bytes, FlagsAt, StunTxInhibitBit) ? 0 : 1;
    return values;
}

void storeDtmfDecode(const DtmfDecode& values, CodeplugImage& image) {
    const auto bytes = image.bytes();
    field::setText(bytes, imagemap::DtmfIdCode.offset, imagemap::DtmfIdCode.size, values.idCode);
    bytes[imagemap::DtmfGroupCode] = values.groupCode;
    field::setText(bytes, imagemap::DtmfStunCode.offset, imagemap::DtmfStunCode.size,
                   values.stunCode);
    field::setBit(bytes, FlagsAt, StunActivationBit, values.stunActivation);
    field::setBit(bytes, FlagsAt, StunTxInhibitBit, values.stunType == 0);
}

const ChoiceList& groupCodes() {
    static const ChoiceList list{{"Off", "关"}, {"A", {}}, {"B", {}}, {"C", {}},
                                 {"D", {}},     {"*", {}}, {"#", {}}};
    return list;
}

const ChoiceList& stunTypes() {
    static const ChoiceList list{{"Tx inhibit", "禁止发射"}, {"Transceiver inhibit", "禁止收发"}};
    return list;
}

std::string groupCodeText(std::uint8_t byte, Language language) {
    if (byte == DtmfDecode::GroupCodeOff)
        return groupCodes().front().pick(language);
    const std::uint8_t one[] = {byte};
    return field::text(one, 0, 1);
}

std::uint8_t groupCodeByte(std::string_view text) {
    if (groupCodes().front().matches(text))
        return DtmfDecode::GroupCodeOff;
    // The first character, one byte as the edit would store it; an empty edit
    // leaves the byte erased, which the radio reads as "Off".
    std::uint8_t one[] = {DtmfDecode::GroupCodeOff};
    field::setText(one, 0, 1, text);
    return one[0];
}

DtmfCallList loadDtmfCallList(const CodeplugImage& image) {
    DtmfCallList values;
    for (std::size_t n = 0; n < DtmfCallList::EntryCount; ++n)
        values.calls[n] = field::text(image.bytes(), callAt(n), DtmfCallList::EntryLength);
    return values;
}

void storeDtmfCallList(const DtmfCallList& values, CodeplugImage& image) {
    for (std::size_t n = 0; n < DtmfCallList::EntryCount; ++n)
        field::setText(image.bytes(), callAt(n), DtmfCallList::EntryLength, values.calls[n]);
}

bool isDtmfCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#';
}

bool isDtmfCode(std::string_view text, std::size_t length) {
    return text.size() <= length && std::all_of(text.begin(), text.end(), isDtmfCharacter);
}

} // namespace program::signalling
