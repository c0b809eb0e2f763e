#include "features/KeyAssignment.h"
#include "features/Msk.h"
#include "features/OptionalFeatures.h"
#include "model/FactoryDefaults.h"
#include "support/CodecOwnership.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace program;
using namespace program::features;
using testsupport::expectOwnsOnly;
using testsupport::Ownership;

TEST(OptionalFeaturesCodec, OwnsItsFieldsAndNormalisesOnlyWhatItCannotShow) {
    Ownership owned{{0xC46, 0xFD}, {0xC47, 0x03}, {0xC70, 0x81}, {0xC71, 0xFF}, {0xC73, 0x13}};
    for (std::size_t at = 0xC40; at <= 0xC45; ++at)
        owned[at] = 0xFF;
    for (std::size_t at = 0xFE2; at <= 0xFE7; ++at)
        owned[at] = 0xFF;
    expectOwnsOnly(loadOptionalFeatures, storeOptionalFeatures, owned);
}

TEST(OptionalFeaturesCodec, ValuesOutsideTheListsShowAsTheRadioTreatsThem) {
    CodeplugImage image = factoryDefaults();
    image.set(0xC40, 0xFF);                   // TOT: no such position
    image.set(0xC45, image.at(0xC45) | 0x63); // orange key 3, scan mode 3
    image.set(0xC46, 0xFF);                   // power-on, back light, colour all 3
    image.set(0xC71, 129);                    // priority past channel 128

    OptionalFeatures shown = loadOptionalFeatures(image);
    EXPECT_EQ(shown.tot, 0);
    EXPECT_EQ(optionallists::orangeKey()[shown.orangeKey].english, "Emergency Call");
    EXPECT_EQ(optionallists::scanMode()[shown.scanMode].english, "TO");
    EXPECT_EQ(optionallists::powerOnStyle()[shown.powerOnStyle].english, "Off");
    EXPECT_EQ(optionallists::backLight()[shown.backLight].english, "Off");
    EXPECT_EQ(optionallists::backLightColor()[shown.backLightColor].english, "Light 1");
    EXPECT_EQ(shown.priorityChannel, 0);

    storeOptionalFeatures(shown, image);
    EXPECT_EQ(image.at(0xC40), 0);
    EXPECT_EQ(image.at(0xC45) & 0x03, 2);
    EXPECT_EQ(image.at(0xC45) & 0x60, 0);
    EXPECT_EQ(image.at(0xC46), 0x03); // STR set and the bit no editor has are kept
    EXPECT_EQ(image.at(0xC71), 0);
}

TEST(OptionalFeaturesCodec, PasswordIsTheDigitsBeforeTheFirstOtherByte) {
    CodeplugImage image = factoryDefaults();
    EXPECT_EQ(loadOptionalFeatures(image).password, "");
    const std::uint8_t twoDigits[] = {'4', '2', 0xFF, '9', '9', '9'};
    image.write(0xFE2, twoDigits);
    EXPECT_EQ(loadOptionalFeatures(image).password, "42");
    const std::uint8_t letterInside[] = {'1', '2', 'a', '4', '5', '6'};
    image.write(0xFE2, letterInside);
    EXPECT_EQ(loadOptionalFeatures(image).password, "12");

    OptionalFeatures values = loadOptionalFeatures(image);
    values.password = "123456";
    storeOptionalFeatures(values, image);
    EXPECT_EQ(loadOptionalFeatures(image).password, "123456");
    values.password = "7";
    storeOptionalFeatures(values, image);
    const std::uint8_t padded[] = {'7', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(std::begin(padded), std::end(padded), image.bytes().begin() + 0xFE2));

    EXPECT_TRUE(isPassword("123456"));
    EXPECT_TRUE(isPassword(""));
    EXPECT_FALSE(isPassword("1234567"));
    EXPECT_FALSE(isPassword("12a"));
}

TEST(KeyAssignmentCodec, SideKeyIsThreeMinusThePositionInTheLowBits) {
    expectOwnsOnly(loadKeyAssignment, storeKeyAssignment, {{0xC72, 0x03}});

    CodeplugImage image = factoryDefaults();
    EXPECT_EQ(image.at(0xC72), 0xFF);
    EXPECT_EQ(loadKeyAssignment(image).sideKey, 0);
    storeKeyAssignment({3}, image);
    EXPECT_EQ(image.at(0xC72), 0xFC);
    image.set(0xC72, 0x00);
    storeKeyAssignment({2}, image);
    EXPECT_EQ(image.at(0xC72), 0x01);
}

TEST(MskCodec, CodesArePaddedWithFFInTheirFourBytes) {
    Ownership owned;
    for (std::size_t at = 0xC80; at <= 0xCA7; ++at)
        owned[at] = 0xFF;
    expectOwnsOnly(loadMsk, storeMsk, owned);

    CodeplugImage image = factoryDefaults();
    Msk values = loadMsk(image);
    EXPECT_EQ(values, Msk{});
    values.idCode = "12AB";
    values.calls[8] = "7";
    storeMsk(values, image);
    const std::uint8_t id[] = {0x31, 0x32, 0x41, 0x42};
    const std::uint8_t ninth[] = {0x37, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(std::begin(id), std::end(id), image.bytes().begin() + 0xC80));
    EXPECT_TRUE(std::equal(std::begin(ninth), std::end(ninth), image.bytes().begin() + 0xCA4));
    EXPECT_EQ(loadMsk(image), values);

    EXPECT_TRUE(isMskCode("09AF"));
    EXPECT_FALSE(isMskCode("12345"));
    EXPECT_FALSE(isMskCode("ab"));
    EXPECT_FALSE(isMskCode("G"));
}
