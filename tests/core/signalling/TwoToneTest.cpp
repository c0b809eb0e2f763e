#include "signalling/TwoTone.h"
#include "model/FactoryDefaults.h"
#include "model/Fields.h"
#include "model/ImageMap.h"

#include <gtest/gtest.h>

using namespace program;
using namespace program::signalling;

namespace {

using K = TwoToneEdit;

std::uint16_t u16(const CodeplugImage& image, std::size_t at) {
    return field::u16be(image.bytes(), at);
}

constexpr std::size_t EncodeList = imagemap::TwoToneEncodeList.offset;
constexpr std::size_t Dividers = imagemap::TwoToneEncodeDividers.offset;
constexpr std::size_t Timing = imagemap::TwoToneEncodeTiming.offset;
constexpr std::size_t Decode = imagemap::TwoToneDecodeEntries.offset;
constexpr std::size_t DecodeDerived = imagemap::TwoToneDerivedDecodeEntries.offset;

} // namespace

TEST(TwoTonePages, NewDocumentShowsTheFactoryValues) {
    const CodeplugImage image = factoryDefaults();
    const TwoToneEncode encode = loadTwoToneEncode(image);
    EXPECT_EQ(twoToneText(K::Delay, encode.firstDelay), "0.5");
    EXPECT_EQ(twoToneText(K::Delay, encode.longDelay), "1.0");
    EXPECT_EQ(twoToneText(K::Interval, encode.interval), "1.0");
    EXPECT_EQ(twoToneText(K::TxRise, encode.txRise), "0.10");
    EXPECT_FALSE(encode.shortBeep);
    for (const auto& pair : encode.pairs) {
        EXPECT_EQ(twoToneText(K::Tone, pair[0].value_or(0)), "2000.0");
        EXPECT_EQ(twoToneText(K::Tone, pair[1].value_or(0)), "1000.0");
    }
    for (std::size_t entry = 1; entry <= TwoToneDecode::EntryCount; ++entry)
        EXPECT_EQ(loadTwoToneDecode(image, entry), TwoToneDecode{}) << entry;
}

TEST(TwoToneEdits, LeavingAnEditClampsIntoItsRange) {
    const std::tuple<K, const char*, const char*> cases[] = {
        {K::Tone, "288.4", "288.5"}, {K::Tone, "288.5", "288.5"},    {K::Tone, "5000", "3106.0"},
        {K::Tone, "", "288.5"},      {K::Tone, "1000.06", "1000.1"}, {K::Delay, "0.4", "0.5"},
        {K::Delay, "99.9", "10.0"},  {K::Delay, "3", "3.0"},         {K::Interval, "-1", "0.0"},
        {K::Interval, "2.1", "2.0"}, {K::Interval, "0", "0.0"},      {K::TxRise, "0.37", "0.35"},
        {K::TxRise, "0.29", "0.25"}, {K::TxRise, "1.2", "1.00"},     {K::TxRise, "0.05", "0.10"},
        {K::TxRise, "1", "1.00"},
    };
    for (const auto& [kind, typed, shown] : cases)
        EXPECT_EQ(leaveTwoToneEdit(kind, typed), shown) << typed;
    EXPECT_EQ(commitToneCell(""), "");
    EXPECT_EQ(commitToneCell("5000"), "3106.0");
    EXPECT_EQ(commitToneCell("1000"), "1000.0");
}

TEST(TwoToneEdits, SpinButtonsStepAndWrapRound) {
    const std::tuple<K, const char*, Spin, const char*> cases[] = {
        {K::TxRise, "0.37", Spin::Up, "0.40"},   {K::TxRise, "0.37", Spin::Down, "0.35"},
        {K::TxRise, "0.35", Spin::Up, "0.40"},   {K::TxRise, "1.00", Spin::Up, "0.10"},
        {K::TxRise, "0.10", Spin::Down, "1.00"}, {K::Interval, "0.0", Spin::Down, "2.0"},
        {K::Interval, "2.0", Spin::Up, "0.0"},   {K::Interval, "1.9", Spin::Up, "2.0"},
        {K::Delay, "0.5", Spin::Down, "10.0"},   {K::Delay, "10.0", Spin::Up, "0.5"},
        {K::Delay, "0.6", Spin::Down, "0.5"},    {K::Tone, "288.5", Spin::Down, "3106.0"},
        {K::Tone, "3106.0", Spin::Up, "288.5"},  {K::Tone, "288.6", Spin::Down, "288.5"},
        {K::Tone, "1000.0", Spin::Up, "1000.1"},
    };
    for (const auto& [kind, from, spin, to] : cases)
        EXPECT_EQ(spinTwoToneEdit(kind, from, spin), to) << from;
}

TEST(TwoToneEncode, StoresTonesWithTheirDividersAndEmptyCells) {
    CodeplugImage image = factoryDefaults();
    TwoToneEncode values = loadTwoToneEncode(image);
    values.pairs[0] = {10000, std::nullopt};
    values.pairs[31] = {99999, 0}; // typed and never left: clamped as leaving would
    storeTwoToneEncode(values, image);
    EXPECT_EQ(u16(image, EncodeList), 0x2710);
    EXPECT_EQ(u16(image, Dividers), 112);
    EXPECT_EQ(u16(image, EncodeList + 2), 0xFFFF);
    EXPECT_EQ(u16(image, Dividers + 2), 0x0000);
    EXPECT_EQ(u16(image, EncodeList + 31 * 4), 31060);
    EXPECT_EQ(u16(image, Dividers + 31 * 4), 36);
    EXPECT_EQ(u16(image, EncodeList + 31 * 4 + 2), 2885);
    EXPECT_EQ(u16(image, Dividers + 31 * 4 + 2), 388);
    EXPECT_EQ(u16(image, Dividers + 4), 56); // 2000 Hz: 55.98 rounds up
    EXPECT_FALSE(loadTwoToneEncode(image).pairs[0][1].has_value());
}

TEST(TwoToneEncode, StoresTimesClampedAndInFiftyMillisecondSteps) {
    CodeplugImage image = factoryDefaults();
    TwoToneEncode values = loadTwoToneEncode(image);
    values.firstDelay = 999; // "99.9" typed and never left
    values.secondDelay = 0;
    values.interval = 15;
    values.txRise = 37;
    values.shortBeep = true;
    storeTwoToneEncode(values, image);
    EXPECT_EQ(image.at(Timing), 100);
    EXPECT_EQ(image.at(Timing + 1), 5);
    EXPECT_EQ(u16(image, Timing + 3), 30);
    EXPECT_EQ(u16(image, Timing + 5), 7);
    EXPECT_EQ(image.at(Timing + 7), 1);
    // The interval is shown to a tenth: an odd count of steps shows as the edit's
    // format rounds it.
    image.set(Timing + 4, 3);
    EXPECT_EQ(twoToneText(K::Interval, loadTwoToneEncode(image).interval), "0.1");
}

TEST(TwoToneEncode, KeepsTheIntervalsFiftyMillisecondStepsUntilItIsChanged) {
    CodeplugImage image = factoryDefaults();
    image.set(Timing + 3, 0);
    image.set(Timing + 4, 3); // 0.15 s
    storeTwoToneEncode(loadTwoToneEncode(image), image);
    EXPECT_EQ(u16(image, Timing + 3), 3);

    TwoToneEncode changed = loadTwoToneEncode(image);
    changed.interval = 2;
    storeTwoToneEncode(changed, image);
    EXPECT_EQ(u16(image, Timing + 3), 4);

    // A count beyond 2.0 s is brought into the range as any store brings it.
    image.set(Timing + 3, 0x01);
    image.set(Timing + 4, 0x01);
    storeTwoToneEncode(loadTwoToneEncode(image), image);
    EXPECT_EQ(u16(image, Timing + 3), 40);
}

TEST(TwoToneDecode, StoresTheEntryAndTheDerivedBlockOfTheFirstFour) {
    CodeplugImage image = factoryDefaults();
    TwoToneDecode values{10000, 0, 7, 100, 20, 5};
    storeTwoToneDecode(values, 3, image);
    EXPECT_EQ(u16(image, Decode + 16), 0x2710);
    EXPECT_EQ(u16(image, DecodeDerived + 16), 896);
    // A tone that reads as 0 is stored as the lowest tone, with its divider.
    EXPECT_EQ(u16(image, Decode + 18), 2885);
    EXPECT_EQ(u16(image, DecodeDerived + 18), 3105);
    EXPECT_EQ(image.at(Decode + 20), 7);
    EXPECT_EQ(image.at(DecodeDerived + 20), 14);
    EXPECT_EQ(image.at(DecodeDerived + 21), 200);
    EXPECT_EQ(image.at(DecodeDerived + 22), 40);
    EXPECT_EQ(loadTwoToneDecode(image, 3), (TwoToneDecode{10000, 2885, 7, 100, 20, 5}));

    const CodeplugImage before = image;
    storeTwoToneDecode(values, 5, image);
    EXPECT_EQ(loadTwoToneDecode(image, 5), loadTwoToneDecode(image, 3));
    for (std::size_t at = imagemap::TwoToneDerived.end(); at < CodeplugImage::Size; ++at)
        ASSERT_EQ(image.at(at), before.at(at)) << at;
}
