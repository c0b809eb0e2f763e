#include "channels/ChannelRecord.h"

#include "channels/ChannelTexts.h"
#include "channels/Frequency.h"
#include "channels/ToneList.h"
#include "channels/Utf8.h"

#include <algorithm>
#include <stdexcept>

namespace program {

namespace {

constexpr std::size_t RxOffset = 0;
constexpr std::size_t TxOffset = 4;
constexpr std::size_t DecodeToneOffset = 8;
constexpr std::size_t EncodeToneOffset = 10;
constexpr std::size_t FlagsOffset = 13;
constexpr std::size_t NameOffset = 16;

constexpr std::uint8_t TxAbove = 0x80;
constexpr std::uint8_t TxBelow = 0x40;
constexpr std::uint8_t HighPower = 0x20;
constexpr std::uint8_t WideBand = 0x10;
constexpr std::uint8_t ScanAdd = 0x08;
constexpr std::uint8_t BusyLockMask = 0x06;
constexpr std::uint8_t BusyCarrier = 0x02;
constexpr std::uint8_t BusyQtDqt = 0x04;

std::string text(const BilingualText& bilingual, Language language) {
    return std::string(bilingual.in(language));
}

std::string frequencyText(ChannelRecordBytes record, std::size_t offset) {
    const std::int64_t value =
        decodeFrequencyField(record.subspan(offset).first<FrequencyFieldSize>());
    return value == 0 ? std::string() : formatFrequency(value);
}

ToneCode toneAt(ChannelRecordBytes record, std::size_t offset) {
    return {record[offset], record[offset + 1]};
}

void setFlag(std::uint8_t& flags, std::uint8_t mask, bool on) {
    flags = static_cast<std::uint8_t>(on ? flags | mask : flags & ~mask);
}

std::uint8_t busyLockBits(const std::string& busyLock) {
    if (channeltext::Off.matches(busyLock))
        return 0;
    if (channeltext::Carrier.matches(busyLock))
        return BusyCarrier;
    return BusyQtDqt; // "QT/DQT" and anything else, an empty cell included
}

// The frequency a cell text puts into its field; 0 when the field gets none.
std::int64_t storedFrequency(const std::string& text) {
    const std::int64_t value = parseFrequency(text).value;
    return fieldHoldsFrequency(value) ? value : 0;
}

} // namespace

std::size_t channelRecordOffset(int record) {
    if (record < 0 || record >= ChannelRecordCount)
        throw std::out_of_range("channel record " + std::to_string(record));
    return imagemap::ChannelRecords.offset + static_cast<std::size_t>(record) * ChannelRecordSize;
}

std::string decodeChannelName(std::span<const std::uint8_t, ChannelNameSize> bytes) {
    std::string name;
    for (std::uint8_t byte : bytes) {
        if (byte == 0xFF || byte == 0x00)
            break;
        appendUtf8(name, byte);
    }
    return name;
}

void encodeChannelName(std::string_view text, std::span<std::uint8_t, ChannelNameSize> bytes) {
    std::fill(bytes.begin(), bytes.end(), std::uint8_t{0xFF});
    std::size_t pos = 0;
    for (std::uint8_t& byte : bytes) {
        if (pos >= text.size())
            break;
        const Utf8Char c = utf8CharAt(text, pos);
        byte = c.code <= 0xFF ? static_cast<std::uint8_t>(c.code) : std::uint8_t{'?'};
        pos += c.length;
    }
}

ChannelRow decodeChannelRecord(ChannelRecordBytes record, Language language) {
    ChannelRow row;
    cell(row, column::RxFrequency) = frequencyText(record, RxOffset);
    cell(row, column::TxFrequency) = frequencyText(record, TxOffset);
    const bool blank =
        cell(row, column::RxFrequency).empty() || cell(row, column::TxFrequency).empty();
    cell(row, column::DecodeTone) = decodeTone(toneAt(record, DecodeToneOffset), blank, language);
    cell(row, column::EncodeTone) = decodeTone(toneAt(record, EncodeToneOffset), blank, language);
    if (blank)
        return row;

    using namespace channeltext;
    const std::uint8_t flags = record[FlagsOffset];
    cell(row, column::Name) = decodeChannelName(record.subspan<NameOffset, ChannelNameSize>());
    cell(row, column::Power) = text(flags & HighPower ? High : Low, language);
    cell(row, column::Bandwidth) = text(flags & WideBand ? Wide : Narrow, language);
    cell(row, column::ScanAdd) = text(flags & ScanAdd ? Yes : No, language);
    const std::uint8_t busy = flags & BusyLockMask;
    cell(row, column::BusyLock) = text(busy == 0             ? Off
                                       : busy == BusyCarrier ? Carrier
                                                             : QtDqt,
                                       language);
    return row;
}

void encodeChannelRecord(const ChannelRow& texts,
                         std::span<std::uint8_t, ChannelRecordSize> record) {
    const std::int64_t rx = storedFrequency(cell(texts, column::RxFrequency));
    const std::int64_t tx = storedFrequency(cell(texts, column::TxFrequency));
    encodeFrequencyField(rx, record.subspan<RxOffset, FrequencyFieldSize>());
    encodeFrequencyField(tx, record.subspan<TxOffset, FrequencyFieldSize>());

    for (auto [col, offset] : {std::pair{column::DecodeTone, DecodeToneOffset},
                               std::pair{column::EncodeTone, EncodeToneOffset}}) {
        const ToneCode code = encodeTone(cell(texts, col));
        record[offset] = code.low;
        record[offset + 1] = code.high;
    }

    encodeChannelName(cell(texts, column::Name), record.subspan<NameOffset, ChannelNameSize>());

    std::uint8_t flags = record[FlagsOffset];
    setFlag(flags, HighPower, channeltext::High.matches(cell(texts, column::Power)));
    setFlag(flags, WideBand, channeltext::Wide.matches(cell(texts, column::Bandwidth)));
    setFlag(flags, ScanAdd, channeltext::Yes.matches(cell(texts, column::ScanAdd)));
    flags = static_cast<std::uint8_t>((flags & ~BusyLockMask) |
                                      busyLockBits(cell(texts, column::BusyLock)));
    // The offset direction follows the frequencies as stored; a missing one counts
    // as 0, so a receive-only record reads as "transmit below".
    setFlag(flags, TxAbove, tx > rx);
    setFlag(flags, TxBelow, tx < rx);
    record[FlagsOffset] = flags;
}

} // namespace program
