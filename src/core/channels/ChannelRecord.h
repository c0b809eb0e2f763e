#pragma once

#include "app/ProgramState.h"
#include "channels/ChannelColumns.h"
#include "model/ImageMap.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace program {

// The channel table at the start of the image: 129 records of 24 bytes, channels
// 1..128 and the extra channel "Fr".
//   +0  receive frequency (4 bytes)    +4  transmit frequency (4 bytes)
//   +8  decode tone (2 bytes)          +10 encode tone (2 bytes)
//   +13 flags: 0x80 tx above rx, 0x40 tx below rx, 0x20 high power, 0x10 wide,
//       0x08 scan add, 0x06 busy lock (00 off, 01 carrier, 10/11 QT/DQT)
//   +16 name, 8 bytes padded with 0xFF
// Bytes +12, +14, +15 and flag bit 0 are not ours; they are carried as they are.
using imagemap::ChannelRecordCount;
using imagemap::ChannelRecordSize;
inline constexpr std::size_t ChannelNameSize = 8;

// Image offset of record 0..128.
std::size_t channelRecordOffset(int record);

using ChannelRecordBytes = std::span<const std::uint8_t, ChannelRecordSize>;

// The texts of one record. A record whose receive or transmit frequency is missing
// is a blank channel: it shows its frequencies and tones only.
ChannelRow decodeChannelRecord(ChannelRecordBytes record, Language language);

// Writes the texts into the record (English or Chinese texts alike), changing only
// the bytes and flag bits the texts own.
void encodeChannelRecord(const ChannelRow& texts,
                         std::span<std::uint8_t, ChannelRecordSize> record);

// Names are single-byte text; each byte is shown as the character with that code
// (Latin-1), so every name from a file or the radio survives a round trip. A
// character beyond that range is stored as '?'.
std::string decodeChannelName(std::span<const std::uint8_t, ChannelNameSize> bytes);
void encodeChannelName(std::string_view text, std::span<std::uint8_t, ChannelNameSize> bytes);

// The characters of a name text that its field cannot hold, in order, each once:
// everything beyond Latin-1, and the two codes that end a name (U+0000, U+00FF).
// Empty when the whole text would be stored as it is.
std::string unstorableNameCharacters(std::string_view text);

} // namespace program
