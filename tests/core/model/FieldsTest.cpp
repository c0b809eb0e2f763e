#include "model/Fields.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <vector>

using namespace program;

TEST(Fields, BitFieldsChangeOnlyTheirOwnBits) {
    std::array<std::uint8_t, 2> bytes{0xA5, 0x00};
    field::setBits(bytes, 0, 5, 2, 0b10); // bits 5-6 of 1010'0101
    EXPECT_EQ(bytes[0], 0xC5);
    EXPECT_EQ(field::bits(bytes, 0, 5, 2), 0b10u);
    field::setBits(bytes, 0, 1, 2, 0xFF); // wider than the field: cut to it
    EXPECT_EQ(bytes[0], 0xC7);
    field::setBit(bytes, 1, 7, true);
    field::setBit(bytes, 0, 0, false);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 2>{0xC6, 0x80}));
    EXPECT_TRUE(field::bit(bytes, 1, 7));
    EXPECT_FALSE(field::bit(bytes, 1, 6));

    EXPECT_THROW(field::bits(0xFF, 7, 2), std::out_of_range);
    EXPECT_THROW(field::bits(0xFF, -1, 1), std::out_of_range);
    EXPECT_THROW(field::setBit(bytes, 2, 0, true), std::out_of_range);
}

TEST(Fields, SixteenBitValuesInBothByteOrders) {
    std::array<std::uint8_t, 4> bytes{0xFF, 0xFF, 0xFF, 0xFF};
    field::setU16le(bytes, 0, 0x01AE);
    field::setU16be(bytes, 2, 0x01AE);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0xAE, 0x01, 0x01, 0xAE}));
    EXPECT_EQ(field::u16le(bytes, 0), 0x01AE);
    EXPECT_EQ(field::u16be(bytes, 2), 0x01AE);
    EXPECT_EQ(field::u16be(bytes, 1), 0x0101);

    EXPECT_THROW(field::u16le(bytes, 3), std::out_of_range);
    EXPECT_THROW(field::setU16be(bytes, 4, 0), std::out_of_range);
    EXPECT_THROW(field::u16le(bytes, static_cast<std::size_t>(-1)), std::out_of_range);
}

TEST(Fields, BcdDigitsKeepNibblesAboveNine) {
    EXPECT_EQ(field::digitPair(1, 3), 0x13);
    EXPECT_EQ(field::digitPair(15, 12), 0xFC);
    EXPECT_EQ(field::highDigit(0xFC), 15);
    EXPECT_EQ(field::lowDigit(0xFC), 12);
    EXPECT_EQ(field::digitPair(17, 3), 0x13); // cut to the nibble
}

TEST(Fields, TextEndsAtAnEndMarkAndIsPaddedWhenWritten) {
    std::vector<std::uint8_t> bytes{0x00, 'A', 'B', 0xFF, 'C', 'D', 'E', 'F', 'G', 0x00};
    EXPECT_EQ(field::text(bytes, 1, 8), "AB");
    EXPECT_EQ(field::text(bytes, 4, 5), "CDEFG"); // a full field has no end mark
    EXPECT_EQ(field::text(bytes, 0, 4), "");

    field::setText(bytes, 1, 8, "x\xC3\xA9\xE4\xB8\xAD"); // x, e-acute (Latin-1), a CJK character
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x00, 'x', 0xE9, '?', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                0x00}));
    EXPECT_EQ(field::text(bytes, 1, 8), "x\xC3\xA9?");

    field::setText(bytes, 1, 3, "123456"); // cut to the field, nothing past it touched
    EXPECT_EQ(bytes[1], '1');
    EXPECT_EQ(bytes[3], '3');
    EXPECT_EQ(bytes[4], 0xFF);

    EXPECT_THROW(field::text(bytes, 5, 6), std::out_of_range);
    EXPECT_THROW(field::setText(bytes, 9, 2, "a"), std::out_of_range);
}
