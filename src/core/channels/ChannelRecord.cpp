#include "channels/ChannelRecord.h"

#include "channels/ChannelTexts.h"
#include "channels/Frequency.h"
#include "channels/ToneList.h"
#include "model/Fields.h"
#include "model/Utf8.h"

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

// Bits of the flags byte.
constexpr int TxAbove = 7;
constexpr int TxBelow = 6;
constexpr int HighPower = 5;
constexpr int WideBand = 4;
constexpr int ScanAdd = 3;
constexpr int BusyLockFirst = 1; // two bits
constexpr int BusyLockBits = 2;
constexpr unsigned BusyOff = 0;
constexpr unsigned BusyCarrier = 1;
constexpr unsigned BusyQtDqt = 2; // 3 reads as QT/DQT too

std::string text(const BilingualText& bilingual, Language language) {
    return bilingual.pick(language);
}

std::string frequencyText(ChannelRecordBytes record, std::size_t offset) {
    const std::int64_t value =
        decodeFrequencyField(record.subspan(offset).first<FrequencyFieldSize>());
    return value == 0 ? std::string() : formatFrequency(value);
}

ToneCode toneAt(ChannelRecordBytes record, std::size_t offset) {
    return {record[offset], record[offset + 1]};
}

unsigned busyLockBits(const std::string& busyLock) {
    if (channeltext::Off.matches(busyLock))
        return BusyOff;
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
    return field::text(bytes, 0, ChannelNameSize);
}

void encodeChannelName(std::string_view text, std::span<std::uint8_t, ChannelNameSize> bytes) {
    field::setText(bytes, 0, ChannelNameSize, text);
}

std::string unstorableNameCharacters(std::string_view text) {
    std::string unstorable;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = utf8CharAt(text, pos);
        const std::string_view character = text.substr(pos, c.length);
        pos += c.length;
        const bool storable = c.code > 0x00 && c.code < 0xFF;
        if (!storable && unstorable.find(character) == std::string::npos)
            unstorable += character;
    }
    return unstorable;
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
    cell(row, column::Power) = text(field::bit(flags, HighPower) ? High : Low, language);
    cell(row, column::Bandwidth) = text(field::bit(flags, WideBand) ? Wide : Narrow, language);
    cell(row, column::ScanAdd) = text(field::bit(flags, ScanAdd) ? Yes : No, language);
    const unsigned busy = field::bits(flags, BusyLockFirst, BusyLockBits);
    cell(row, column::BusyLock) = text(busy == BusyOff       ? Off
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

    field::setBit(record, FlagsOffset, HighPower,
                  channeltext::High.matches(cell(texts, column::Power)));
    field::setBit(record, FlagsOffset, WideBand,
                  channeltext::Wide.matches(cell(texts, column::Bandwidth)));
    field::setBit(record, FlagsOffset, ScanAdd,
                  channeltext::Yes.matches(cell(texts, column::ScanAdd)));
    field::setBits(record, FlagsOffset, BusyLockFirst, BusyLockBits,
                   busyLockBits(cell(texts, column::BusyLock)));
    // The offset direction follows the frequencies as stored; a missing one counts
    // as 0, so a receive-only record reads as "transmit below".
    field::setBit(record, FlagsOffset, TxAbove, tx > rx);
    field::setBit(record, FlagsOffset, TxBelow, tx < rx);
}

} // namespace program
