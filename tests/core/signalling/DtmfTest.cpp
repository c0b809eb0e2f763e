#include "signalling/Dtmf.h"
#include "model/FactoryDefaults.h"
#include "model/ImageMap.h"

#include <gtest/gtest.h>

using namespace program;
using namespace program::signalling;

namespace {
constexpr std::size_t Flags = imagemap::FeatureFlags.offset;
constexpr std::size_t Timing = imagemap::DtmfTiming.offset;
} // namespace

TEST(DtmfPages, NewDocumentShowsTheFactoryValues) {
    const CodeplugImage image = factoryDefaults();
    EXPECT_EQ(loadDtmfEncode(image), (DtmfEncode{6, 200, 0, 0, true}));
    EXPECT_EQ(loadDtmfDecode(image), (DtmfDecode{"", 'A', true, "", 0}));
    EXPECT_EQ(groupCodeText(loadDtmfDecode(image).groupCode, Language::English), "A");
    EXPECT_EQ(loadDtmfCallList(image), DtmfCallList{});
}

TEST(DtmfSpeed, LeavingTheEditAndSpinning) {
    const std::pair<int, int> leaving[] = {{-3, 6},  {7, 6},   {8, 8},   {9, 8},  {10, 10},
                                           {12, 10}, {14, 10}, {15, 15}, {99, 15}};
    for (auto [typed, shown] : leaving)
        EXPECT_EQ(normaliseSpeed(typed), shown) << typed;
    EXPECT_EQ(spinSpeed(15, Spin::Up), 6);
    EXPECT_EQ(spinSpeed(6, Spin::Down), 15);
    EXPECT_EQ(spinSpeed(7, Spin::Up), 8);
    EXPECT_EQ(spinSpeed(7, Spin::Down), 6);
    EXPECT_EQ(spinSpeed(16, Spin::Down), 15);
    EXPECT_EQ(spinSpeed(0, Spin::Up), 6);
}

TEST(DtmfFirstDigitDelay, LeavingTheEditAndSpinning) {
    EXPECT_EQ(normaliseFirstDigitDelay(275), 250);
    EXPECT_EQ(normaliseFirstDigitDelay(-1), 0);
    EXPECT_EQ(normaliseFirstDigitDelay(1000), 1000);
    EXPECT_EQ(normaliseFirstDigitDelay(1001), 1000);
    EXPECT_EQ(spinFirstDigitDelay(275, Spin::Up), 300);
    EXPECT_EQ(spinFirstDigitDelay(275, Spin::Down), 250);
    EXPECT_EQ(spinFirstDigitDelay(250, Spin::Down), 200);
    EXPECT_EQ(spinFirstDigitDelay(1000, Spin::Up), 0);
    EXPECT_EQ(spinFirstDigitDelay(0, Spin::Down), 1000);
    EXPECT_EQ(spinFirstDigitDelay(1550, Spin::Down), 1500);
    EXPECT_EQ(spinFirstDigitDelay(-30, Spin::Up), 0);
    EXPECT_EQ(spinFirstDigitDelay(-30, Spin::Down), 1000);
}

TEST(DtmfDigitTimes, LeavingTheEditAndSpinning) {
    const std::pair<int, int> leaving[] = {{-5, 0},    {99, 0},      {100, 100},
                                           {499, 100}, {500, 500},   {700, 500},
                                           {999, 500}, {1000, 1000}, {1550, 1000}};
    for (auto [typed, shown] : leaving)
        EXPECT_EQ(normaliseDigitTime(typed), shown) << typed;
    const std::pair<int, int> up[] = {{0, 100},    {99, 100},   {100, 500}, {499, 500},
                                      {500, 1000}, {999, 1000}, {1000, 0},  {1550, 0}};
    for (auto [from, to] : up)
        EXPECT_EQ(spinDigitTime(from, Spin::Up), to) << from;
    const std::pair<int, int> down[] = {{0, 1000},   {1, 0},       {100, 0},
                                        {101, 100},  {500, 100},   {501, 500},
                                        {1000, 500}, {1001, 1000}, {-5, 1000}};
    for (auto [from, to] : down)
        EXPECT_EQ(spinDigitTime(from, Spin::Down), to) << from;
}

TEST(DtmfEncode, ReadsTextsAsTheEditsDo) {
    EXPECT_EQ(readWholeNumber("12"), 12);
    EXPECT_EQ(readWholeNumber(" 275ms"), 275);
    EXPECT_EQ(readWholeNumber("x5"), 0);
    EXPECT_EQ(readWholeNumber(""), 0);
    EXPECT_EQ(readWholeNumber("-40"), -40);
    EXPECT_EQ(readWholeNumber("99999999999999999999"), 1'000'000'000);
}

TEST(DtmfEncode, StoresNormalisedTimesWholeAndKeepsOtherBits) {
    CodeplugImage image = factoryDefaults();
    image.set(Timing, 0xFD);     // speed 8, other bits set
    image.set(Timing + 1, 0xE5); // 250 ms with the top bits set
    image.set(Flags, 0x81);      // the bits of other editors
    const DtmfEncode loaded = loadDtmfEncode(image);
    EXPECT_EQ(loaded.speed, 8);
    EXPECT_EQ(loaded.firstDigitDelayMs, 250);
    EXPECT_FALSE(loaded.sideTone);

    storeDtmfEncode({12, 1550, 700, 99, true}, image);
    EXPECT_EQ(image.at(Timing), 0xFE); // speed 10
    EXPECT_EQ(image.at(Timing + 1), 20);
    EXPECT_EQ(image.at(Timing + 2), 10);
    EXPECT_EQ(image.at(Timing + 3), 0);
    EXPECT_EQ(image.at(Flags), 0xC1);
}

TEST(DtmfDecode, GroupCodeAndStunBits) {
    CodeplugImage image = factoryDefaults();
    DtmfDecode values = loadDtmfDecode(image);
    values.groupCode = groupCodeByte("Off");
    values.stunActivation = false;
    values.stunType = 1;
    values.stunCode = "12AB*#";
    storeDtmfDecode(values, image);
    EXPECT_EQ(image.at(imagemap::DtmfGroupCode), 0xFF);
    EXPECT_EQ(image.at(Flags), 0xCD); // bits 4 and 5 cleared, the others kept
    EXPECT_EQ(image.at(imagemap::DtmfStunCode.offset + 5), '#');
    EXPECT_EQ(image.at(imagemap::DtmfStunCode.offset + 6), 0xFF);
    EXPECT_EQ(groupCodeText(0xFF, Language::Chinese), "关");
    EXPECT_EQ(groupCodeByte("关"), 0xFF);
    EXPECT_EQ(groupCodeByte("#"), 0x23);
    EXPECT_EQ(groupCodeByte(""), 0xFF);
    // A byte outside the list shows as its character and stores again unchanged.
    EXPECT_EQ(groupCodeByte(groupCodeText('Z', Language::English)), 'Z');
}

TEST(DtmfCallList, SixteenCharactersFillTheEntry) {
    CodeplugImage image = factoryDefaults();
    DtmfCallList values;
    values.calls[0] = "0123456789ABCD*#";
    values.calls[8] = "7";
    storeDtmfCallList(values, image);
    const auto first = image.range(imagemap::DtmfCallList.offset, 16);
    EXPECT_EQ(std::string(first.begin(), first.end()), "0123456789ABCD*#");
    EXPECT_EQ(image.at(imagemap::DtmfCallList.offset + 16), 0xFF);
    EXPECT_EQ(image.at(imagemap::DtmfCallList.offset + 8 * 16), '7');
    EXPECT_EQ(image.at(imagemap::DtmfCallList.offset + 8 * 16 + 1), 0xFF);
    EXPECT_EQ(loadDtmfCallList(image), values);
}

TEST(DtmfCodes, WhatTheEditsTake) {
    EXPECT_TRUE(isDtmfCode("0123456789ABCD*#", 16));
    EXPECT_FALSE(isDtmfCode("0123456789ABCD*#0", 16));
    EXPECT_FALSE(isDtmfCode("E", 16));
    EXPECT_FALSE(isDtmfCode("a", 16));
}
