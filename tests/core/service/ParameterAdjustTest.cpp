#include "service/ParameterAdjust.h"
#include "model/FactoryDefaults.h"
#include "support/CodecOwnership.h"

#include <gtest/gtest.h>

using namespace program;
using namespace program::service;

namespace {

CodeplugImage stored(const ParameterAdjust& values,
                     const CodeplugImage& start = factoryDefaults()) {
    CodeplugImage image = start;
    storeParameterAdjust(values, image);
    return image;
}

} // namespace

TEST(ParameterAdjust, NewDocumentShowsItsValuesAndTheUDifferenceAsMinusTen) {
    const ParameterAdjust shown = loadParameterAdjust(factoryDefaults());
    EXPECT_EQ(shown.micInputGainAna, 16);
    EXPECT_EQ(shown.micAmpGain, 13);
    EXPECT_EQ(shown.maxAmpOffset, 81);
    EXPECT_EQ(shown.vNarrowSqlDifference, 4);
    EXPECT_EQ(shown.uNarrowSqlDifference, -10); // its byte is 0xFF
    EXPECT_EQ(shown.sqlDetect[0][0], 62);
    EXPECT_EQ(shown.sqlDetect[3][3], 32);
    // OK without a change gives the U difference a real value.
    EXPECT_EQ(stored(shown).at(0xFCF), 0x8A);
}

TEST(ParameterAdjust, NumbersOutsideTheirListStoreTheNewDocumentValue) {
    ParameterAdjust values = loadParameterAdjust(factoryDefaults());
    values.micAmpGain = 200;
    values.toneAmpOffsetAna = 4;
    values.micInputGainDigit = 127;
    const CodeplugImage image = stored(values);
    EXPECT_EQ(image.at(0xFC9), 13);
    EXPECT_EQ(image.at(0xFCC), 11);
    EXPECT_EQ(image.at(0xFC8), 127);

    // And a stored number outside the list shows that value too.
    CodeplugImage odd = factoryDefaults();
    odd.set(0xFC7, 32);
    EXPECT_EQ(loadParameterAdjust(odd).micInputGainAna, 16);
}

TEST(ParameterAdjust, MaxAmpOffsetIsSixteenBitsLowByteFirst) {
    ParameterAdjust values = loadParameterAdjust(factoryDefaults());
    values.maxAmpOffset = 150;
    CodeplugImage image = stored(values);
    EXPECT_EQ(image.at(0xFCA), 0x96);
    EXPECT_EQ(image.at(0xFCB), 0x00);
    values.maxAmpOffset = 30;
    image = stored(values);
    EXPECT_EQ(image.at(0xFCA), 0x1E);
    EXPECT_EQ(image.at(0xFCB), 0x00);

    // 0x0100 + 0x1E is far outside 30 ... 150, whatever its low byte says.
    image.set(0xFCB, 0x01);
    EXPECT_EQ(loadParameterAdjust(image).maxAmpOffset, 81);
}

TEST(ParameterAdjust, DifferencesAreSignAndMagnitude) {
    EXPECT_EQ(signAndMagnitude(-3), 0x83);
    EXPECT_EQ(signAndMagnitude(3), 0x03);
    EXPECT_EQ(signAndMagnitude(0), 0x00);
    EXPECT_EQ(fromSignAndMagnitude(0x8A), -10);
    EXPECT_EQ(fromSignAndMagnitude(0x80), 0);

    CodeplugImage image = factoryDefaults();
    image.set(0xFCE, 0x8B); // -11: no such entry, shows the first one
    image.set(0xFCF, 0x0A);
    const ParameterAdjust shown = loadParameterAdjust(image);
    EXPECT_EQ(shown.vNarrowSqlDifference, -10);
    EXPECT_EQ(shown.uNarrowSqlDifference, 10);
}

TEST(ParameterAdjust, DetectCellsShowZeroToHundredTwentyEightAsTheyAre) {
    CodeplugImage image = factoryDefaults();
    image.set(0xFB7, 0xC8); // row 1 narrow low: 200
    image.set(0xFB8, 0);
    image.set(0xFC6, 128); // row 4 wide high
    ParameterAdjust shown = loadParameterAdjust(image);
    EXPECT_EQ(shown.sqlDetect[0][0], 62);
    EXPECT_EQ(shown.sqlDetect[0][1], 0);
    EXPECT_EQ(shown.sqlDetect[3][3], 128);

    shown.sqlDetect[1][2] = 129;
    shown.sqlDetect[2][0] = -1;
    const CodeplugImage after = stored(shown, image);
    EXPECT_EQ(after.at(0xFB7), 62);
    EXPECT_EQ(after.at(0xFB8), 0);
    EXPECT_EQ(after.at(0xFBD), 44); // row 2 wide low's default
    EXPECT_EQ(after.at(0xFBF), 80); // row 3 narrow low's default
}

TEST(ParameterAdjust, HiddenSwitchesAndLevelsAreCarriedThrough) {
    CodeplugImage image = factoryDefaults();
    image.set(0xFB4, 0x55); // switches 1, 0, 1, 0 under a high nibble of 5
    image.set(0xFB5, 7);
    image.set(0xFB6, 100);
    const ParameterAdjust shown = loadParameterAdjust(image);
    EXPECT_TRUE(shown.narrowDetect1);
    EXPECT_FALSE(shown.narrowDetect2);
    EXPECT_TRUE(shown.wideDetect1);
    EXPECT_FALSE(shown.wideDetect2);

    CodeplugImage again = factoryDefaults();
    again.set(0xFB4, 0xA0);
    again = stored(shown, again);
    EXPECT_EQ(again.at(0xFB4), 0xA5); // the high nibble is the image's own
    EXPECT_EQ(again.at(0xFB5), 7);
    EXPECT_EQ(again.at(0xFB6), 100);

    image.set(0xFB6, 128); // above the 0 ... 127 of its list
    EXPECT_EQ(loadParameterAdjust(image).sqlDetectSetHigh, 14);
}

TEST(ParameterAdjust, OwnsTheParameterBlockBelowTheHighNibbleOfItsFirstByte) {
    testsupport::Ownership owned{{0xFB4, 0x0F}};
    testsupport::ownAll(owned, 0xFB5, 0xFD0);
    testsupport::expectOwnsOnly(loadParameterAdjust, storeParameterAdjust, owned);
}
