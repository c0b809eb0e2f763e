#include "service/SquelchTuning.h"
#include "model/FactoryDefaults.h"
#include "service/TuningEntry.h"
#include "support/CodecOwnership.h"

#include <gtest/gtest.h>

#include <climits>

using namespace program;
using namespace program::service;

TEST(SquelchTuning, RowsSkipTheTwoFixedBytes) {
    EXPECT_EQ(squelchRowOffset(0), 0xFA0u);
    EXPECT_EQ(squelchRowOffset(4), 0xFA4u);
    EXPECT_EQ(squelchRowOffset(5), 0xFA7u);
    EXPECT_EQ(squelchRowOffset(17), 0xFB3u);
    EXPECT_EQ(squelchRowLabel(0), "130-139");
    EXPECT_EQ(squelchRowLabel(4), "170-179");
    EXPECT_EQ(squelchRowLabel(5), "400-409");
    EXPECT_EQ(squelchRowLabel(17), "520-529");
}

TEST(SquelchTuning, BytesOutsideFiveToHundredShowAndStoreTheRowDefault) {
    CodeplugImage image = factoryDefaults();
    image.set(0xFA0, 0xFF);
    image.set(0xFA7, 4);
    image.set(0xFB3, 101);
    image.set(0xFA1, 5);
    image.set(0xFA2, 100);
    const CodeplugImage before = image;

    SquelchTuning shown = loadSquelchTuning(image);
    EXPECT_EQ(image, before); // loading changes nothing
    EXPECT_EQ(shown.values[0], 37);
    EXPECT_EQ(shown.values[5], 27);
    EXPECT_EQ(shown.values[17], 19);
    EXPECT_EQ(shown.values[1], 5);
    EXPECT_EQ(shown.values[2], 100);

    storeSquelchTuning(shown, image);
    EXPECT_EQ(image.at(0xFA0), 37);
    EXPECT_EQ(image.at(0xFA7), 27);
    EXPECT_EQ(image.at(0xFB3), 19);

    // A value that never went through the cell editor is stored as the default too.
    shown.values[3] = 0;
    storeSquelchTuning(shown, image);
    EXPECT_EQ(image.at(0xFA3), 39);
}

TEST(SquelchTuning, StoreWritesTheFixedBytes) {
    CodeplugImage image;
    image.fill(0x00);
    SquelchTuning values;
    values.values.fill(50);
    storeSquelchTuning(values, image);
    EXPECT_EQ(image.at(0xFA5), 0x1A);
    EXPECT_EQ(image.at(0xFA6), 0x1A);
    EXPECT_EQ(image.at(0xFA4), 50);
    EXPECT_EQ(image.at(0xFA7), 50);
}

TEST(SquelchTuning, PlusAndMinusOneGoRoundTheRange) {
    SquelchTuning values;
    values.values.fill(50);
    values.values[0] = 100;
    values.values[1] = 99;
    values.values[2] = 5;
    values.values[3] = INT_MAX;
    const SquelchTuning raised = raisedByOne(values);
    EXPECT_EQ(raised.values[0], 5);
    EXPECT_EQ(raised.values[1], 100);
    EXPECT_EQ(raised.values[2], 6);
    EXPECT_EQ(raised.values[3], 5);
    EXPECT_EQ(raised.values[17], 51);

    const SquelchTuning lowered = loweredByOne(values);
    EXPECT_EQ(lowered.values[0], 99);
    EXPECT_EQ(lowered.values[2], 100);
    EXPECT_EQ(lowered.values[3], 100);
    EXPECT_EQ(lowered.values[17], 49);
}

TEST(TuningEntry, TypedTextIsReadAsItsLeadingNumberAndClamped) {
    EXPECT_EQ(tuningEntry("250"), 100);
    EXPECT_EQ(tuningEntry("150"), 100);
    EXPECT_EQ(tuningEntry("3"), 5);
    EXPECT_EQ(tuningEntry("ab"), 5);
    EXPECT_EQ(tuningEntry(""), 5);
    EXPECT_EQ(tuningEntry("42x"), 42);
    EXPECT_EQ(tuningEntry("-7"), 5);
    EXPECT_EQ(leadingNumber(" -12ab"), -12);
    EXPECT_EQ(leadingNumber("x12"), 0);
    EXPECT_EQ(leadingNumber("99999999999999999999"), INT_MAX);
    EXPECT_EQ(leadingNumber("-99999999999999999999"), INT_MIN);
}

TEST(SquelchTuning, OwnsTheSquelchTableOnly) {
    testsupport::Ownership owned;
    testsupport::ownAll(owned, 0xFA0, 0xFB4);
    testsupport::expectOwnsOnly(loadSquelchTuning, storeSquelchTuning, owned);
}
