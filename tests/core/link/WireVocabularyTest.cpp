#include "link/WireVocabulary.h"

#include <gtest/gtest.h>

#include <vector>

using program::BandLimits;
using program::wire::IdentityRecord;

namespace {
std::vector<std::uint8_t> identity(std::uint8_t model, std::uint8_t b5, std::uint8_t b6,
                                   std::uint8_t b7) {
    return {model, 0x38, 0x38, 0x38, 0xAA, b5, b6, b7};
}
} // namespace

TEST(WireVocabulary, CommandFramesCarryBigEndianAddresses) {
    EXPECT_EQ(program::wire::readBlockFrame(0xFE0, 8),
              (program::wire::CommandFrame{0x52, 0x0F, 0xE0, 0x08}));
    EXPECT_EQ(program::wire::writeBlockFrame(0x0A8, 2),
              (program::wire::CommandFrame{0x57, 0x00, 0xA8, 0x02}));
}

TEST(WireVocabulary, IdentityAcceptsTheFourModelsWithTripleEight) {
    for (std::uint8_t model : {'U', 'P', 'X', 'V'})
        EXPECT_TRUE(IdentityRecord::parse(identity(model, 0x13, 0x17, 0x64))) << model;

    EXPECT_FALSE(IdentityRecord::parse(identity('Q', 0x13, 0x17, 0x64)));
    auto wrongEights = identity('U', 0x13, 0x17, 0x64);
    wrongEights[2] = 0x39;
    EXPECT_FALSE(IdentityRecord::parse(wrongEights));
    auto shortReply = identity('U', 0x13, 0x17, 0x64);
    shortReply.pop_back();
    EXPECT_FALSE(IdentityRecord::parse(shortReply));
    EXPECT_FALSE(IdentityRecord::parse({}));
}

TEST(WireVocabulary, IdentityBandDigits) {
    const auto vhf = IdentityRecord::parse(identity('U', 0x13, 0x17, 0x64));
    ASSERT_TRUE(vhf);
    EXPECT_EQ(vhf->lowerLimit, 13600000);
    EXPECT_EQ(vhf->upperLimit, 17400000);

    const auto uhf = IdentityRecord::parse(identity('V', 0x40, 0x52, 0x00));
    ASSERT_TRUE(uhf);
    EXPECT_EQ(uhf->lowerLimit, 40000000);
    EXPECT_EQ(uhf->upperLimit, 52000000);
}

TEST(WireVocabulary, OneBandInsideTheRadioRangeSuffices) {
    const auto radio = IdentityRecord::parse(identity('U', 0x13, 0x17, 0x64));
    ASSERT_TRUE(radio);
    EXPECT_TRUE(radio->suits(BandLimits{13600000, 17400000, 40000000, 48000000}));
    EXPECT_TRUE(radio->suits(BandLimits{13600000, 17400000, 40000000, 52000000}));
    EXPECT_TRUE(radio->suits(BandLimits{14000000, 15000000, 1, 2}));
    // V band one step too wide on either side, U band far off.
    EXPECT_FALSE(radio->suits(BandLimits{13500000, 17400000, 40000000, 48000000}));
    EXPECT_FALSE(radio->suits(BandLimits{13600000, 17400001, 40000000, 48000000}));
    // The U band fits a UHF radio even when the V band does not.
    const auto uhf = IdentityRecord::parse(identity('V', 0x40, 0x48, 0x00));
    ASSERT_TRUE(uhf);
    EXPECT_TRUE(uhf->suits(BandLimits{13600000, 17400000, 40000000, 48000000}));
}
