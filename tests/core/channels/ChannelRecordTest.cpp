#include "channels/ChannelRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

using program::ChannelRow;
using program::Language;

namespace {

using Record = std::array<std::uint8_t, program::ChannelRecordSize>;

Record record(std::vector<std::uint8_t> bytes) {
    Record r;
    r.fill(0xFF);
    std::copy(bytes.begin(), bytes.end(), r.begin());
    return r;
}

ChannelRow decode(const Record& r, Language language = Language::English) {
    return program::decodeChannelRecord(r, language);
}

Record encode(const ChannelRow& texts, Record r = record({})) {
    program::encodeChannelRecord(texts, r);
    return r;
}

// 145.00000 / 145.60000, 67.0 / D023N, "ABC", high, wide, scan, carrier.
const Record FullChannel = record({0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x56, 0x14, 0x70, 0x06, 0x23,
                                   0x80, 0xFF, 0xBB, 0xFF, 0xFF, 'A', 'B', 'C'});
const ChannelRow FullEnglish = {"145.00000", "145.60000", "67.0", "D023N",  "ABC",
                                "High",      "Wide",      "Yes",  "Carrier"};
const ChannelRow FullChinese = {"145.00000", "145.60000", "67.0", "D023N", "ABC",
                                "高",        "宽",        "是",   "载波"};

std::uint8_t flagsOf(const Record& r) {
    return r[13];
}

} // namespace

TEST(ChannelRecord, FullChannelBothWaysInBothLanguages) {
    EXPECT_EQ(decode(FullChannel), FullEnglish);
    EXPECT_EQ(decode(FullChannel, Language::Chinese), FullChinese);
    EXPECT_EQ(encode(FullEnglish), FullChannel);
    EXPECT_EQ(encode(FullChinese), FullChannel);
}

TEST(ChannelRecord, ClearedFlagsReadAsTheOtherChoice) {
    Record r = FullChannel;
    r[13] = 0x00;
    EXPECT_EQ(decode(r), (ChannelRow{"145.00000", "145.60000", "67.0", "D023N", "ABC", "Low",
                                     "Narrow", "No", "Off"}));
    EXPECT_EQ(decode(r, Language::Chinese)[5], "低");
    EXPECT_EQ(decode(r, Language::Chinese)[6], "窄");
    EXPECT_EQ(decode(r, Language::Chinese)[7], "否");
    EXPECT_EQ(decode(r, Language::Chinese)[8], "关");
    r[13] = 0x04;
    EXPECT_EQ(decode(r)[8], "QT/DQT");
    r[13] = 0x06; // both busy-lock bits also read as QT/DQT, and write back as 10
    EXPECT_EQ(decode(r)[8], "QT/DQT");
    EXPECT_EQ(flagsOf(encode(decode(r), r)) & 0x06, 0x04);
}

TEST(ChannelRecord, OffsetDirectionFollowsTheFrequencies) {
    auto direction = [](const char* rx, const char* tx) {
        ChannelRow texts = FullEnglish;
        texts[0] = rx;
        texts[1] = tx;
        return flagsOf(encode(texts)) & 0xC0;
    };
    EXPECT_EQ(direction("145.00000", "145.60000"), 0x80);
    EXPECT_EQ(direction("145.60000", "145.00000"), 0x40);
    EXPECT_EQ(direction("145.60000", "145.60000"), 0x00);
    EXPECT_EQ(direction("145.60000", ""), 0x40);
    EXPECT_EQ(direction("", "145.60000"), 0x80);
    EXPECT_EQ(direction("", ""), 0x00);
    // Both directions are recomputed, whatever the record held before.
    Record stale = FullChannel;
    stale[13] |= 0x40;
    EXPECT_EQ(flagsOf(encode(FullEnglish, stale)) & 0xC0, 0x80);
}

TEST(ChannelRecord, BlankChannelsShowOnlyFrequenciesAndTones) {
    Record noTx = FullChannel;
    noTx[7] = 0xFF;
    EXPECT_EQ(decode(noTx), (ChannelRow{"145.00000", "", "67.0", "D023N", "", "", "", "", ""}));

    Record lowRx = FullChannel;
    lowRx[3] = 0x00; // below 10 MHz reads as no frequency
    EXPECT_EQ(decode(lowRx), (ChannelRow{"", "145.60000", "67.0", "D023N", "", "", "", "", ""}));

    Record noTones = noTx;
    noTones[9] = 0xFF;
    noTones[11] = 0x00;
    EXPECT_EQ(decode(noTones), (ChannelRow{"145.00000", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(decode(record({})), ChannelRow{});
}

TEST(ChannelRecord, BlankRowsWriteTheirFlagsAsBusyLockQtDqt) {
    // An empty row writes flags 0x04 plus the old bit 0; a receive-only row also
    // gets "transmit below".
    EXPECT_EQ(flagsOf(encode(ChannelRow{})), 0x05);
    Record bitZeroClear = record({});
    bitZeroClear[13] = 0xFE;
    EXPECT_EQ(flagsOf(encode(ChannelRow{}, bitZeroClear)), 0x04);
    EXPECT_EQ(flagsOf(encode(ChannelRow{"145.00000"})), 0x45);
    EXPECT_EQ(encode(ChannelRow{}), record({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                            0xFF, 0xFF, 0xFF, 0xFF, 0x05}));
}

TEST(ChannelRecord, BytesThatAreNotOursAreCarriedThrough) {
    Record r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<std::uint8_t>(0x31 * i + 7);
    for (std::uint8_t bitZero : {0x00, 0x01}) {
        r[13] = static_cast<std::uint8_t>((r[13] & 0xFE) | bitZero);
        const Record before = r;
        const Record after = encode(FullEnglish, r);
        EXPECT_EQ(after[12], before[12]);
        EXPECT_EQ(after[14], before[14]);
        EXPECT_EQ(after[15], before[15]);
        EXPECT_EQ(after[13] & 0x01, bitZero);
    }
}

TEST(ChannelRecord, NamesArePaddedCutAndKeptByteForByte) {
    ChannelRow texts = FullEnglish;
    texts[4] = "NINECHARS";
    Record r = encode(texts);
    EXPECT_EQ(std::string(r.begin() + 16, r.end()), "NINECHAR");
    EXPECT_EQ(decode(r)[4], "NINECHAR") << "an 8-byte name from a radio is shown whole";

    texts[4] = "";
    r = encode(texts, r);
    EXPECT_EQ(std::vector(r.begin() + 16, r.end()), std::vector<std::uint8_t>(8, 0xFF));
    EXPECT_EQ(decode(r)[4], "");

    r[16] = 'A';
    r[17] = 0x00; // a zero byte also ends the name
    r[18] = 'B';
    EXPECT_EQ(decode(r)[4], "A");

    // A byte above 0x7F is shown as one character and written back as that byte.
    r[17] = 0xB0;
    r[18] = 0xFF;
    EXPECT_EQ(decode(r)[4], "A\u00B0");
    EXPECT_EQ(encode(decode(r), r), r);

    // A character no byte can hold is stored as '?'.
    texts[4] = "频1";
    r = encode(texts);
    EXPECT_EQ(r[16], '?');
    EXPECT_EQ(r[17], '1');
    EXPECT_EQ(r[18], 0xFF);
}
