#include "channels/Frequency.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

using program::parseFrequency;

namespace {

std::array<std::uint8_t, 4> field(std::int64_t value) {
    std::array<std::uint8_t, 4> bytes{};
    program::encodeFrequencyField(value, bytes);
    return bytes;
}

using Bytes = std::array<std::uint8_t, 4>;

} // namespace

TEST(FrequencyParse, IsExactOnEveryChannelStepOfTheVBand) {
    // The shown text of every 6.25 kHz and 5 kHz step must come back as exactly
    // its own value: 136.125 is 13612500, never 13612499.
    for (std::int64_t value = 13600000; value <= 17400000; value += 625) {
        const std::string text = program::formatFrequency(value);
        const auto parsed = parseFrequency(text);
        ASSERT_EQ(parsed.value, value) << text;
        ASSERT_EQ(parsed.text, text);
    }
    for (std::int64_t value = 40000000; value <= 52000000; value += 500)
        ASSERT_EQ(parseFrequency(program::formatFrequency(value)).value, value);
    EXPECT_EQ(parseFrequency("136.125").value, 13612500);
    EXPECT_EQ(parseFrequency("446.00625").value, 44600625);
    EXPECT_EQ(parseFrequency("145.0125").text, "145.01250");
}

TEST(FrequencyParse, ReadsTheNumberAtTheStartLikeTheCLibrary) {
    struct Case {
        const char* input;
        const char* text;
        std::int64_t value;
    };
    const Case cases[] = {
        {"", "0.00000", 0},
        {"abc", "0.00000", 0},
        {".", "0.00000", 0},
        {"-", "0.00000", 0},
        {"  \t145", "145.00000", 14500000},
        {"+145.5", "145.50000", 14550000},
        {"145.", "145.00000", 14500000},
        {".5", "0.50000", 50000},
        {"00145.000", "145.00000", 14500000},
        {"145.1x2", "145.10000", 14510000},
        {"145.1.2", "145.10000", 14510000},
        {"1e3", "1.00000", 100000}, // no exponent: 'e' ends the number
        {"-145.5", "-145.50000", -14550000},
        {"- 145", "0.00000", 0},
    };
    for (const Case& c : cases) {
        const auto parsed = parseFrequency(c.input);
        EXPECT_EQ(parsed.text, c.text) << '"' << c.input << '"';
        EXPECT_EQ(parsed.value, c.value) << '"' << c.input << '"';
    }
}

TEST(FrequencyParse, CutsExtraDecimalsSoTextAndValueAgree) {
    // Rounding the text while cutting the value would show 145.01251 for a stored
    // 145.01250, and the shown text would later be saved as an off-raster value.
    const auto parsed = parseFrequency("145.012505");
    EXPECT_EQ(parsed.value, 14501250);
    EXPECT_EQ(parsed.text, "145.01250");
    EXPECT_EQ(parseFrequency(parsed.text).value, parsed.value);
}

TEST(FrequencyParse, SurvivesAbsurdlyLongNumbers) {
    const std::string huge(5000, '9');
    const auto parsed = parseFrequency(huge + ".5");
    EXPECT_GT(parsed.value, 60000000);
    EXPECT_EQ(parsed.text, huge + ".50000");
    EXPECT_LT(parseFrequency("-" + huge).value, 0);
    EXPECT_EQ(parseFrequency("0." + huge).value, 99999);
}

TEST(FrequencyField, EncodesLeastSignificantPairFirst) {
    EXPECT_EQ(field(13612500), (Bytes{0x00, 0x25, 0x61, 0x13}));
    EXPECT_EQ(field(44600625), (Bytes{0x25, 0x06, 0x60, 0x44}));
    EXPECT_EQ(program::decodeFrequencyField(Bytes{0x00, 0x25, 0x61, 0x13}), 13612500);
    EXPECT_EQ(program::decodeFrequencyField(Bytes{0x25, 0x06, 0x60, 0x44}), 44600625);
}

TEST(FrequencyField, NoFrequencyIsAllOnesAndALastByteOfZeroReadsAsNone) {
    EXPECT_EQ(field(0), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(field(-14500000), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(field(program::MaxFieldFrequency + 1), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(program::decodeFrequencyField(Bytes{0x00, 0x25, 0x61, 0xFF}), 0);
    // Below 10 MHz the last byte is 0x00: such a channel reads as blank.
    EXPECT_EQ(program::decodeFrequencyField(Bytes{0x00, 0x00, 0x50, 0x00}), 0);
}

TEST(FrequencyField, BytesWithNibblesAboveNineKeepTheirValue) {
    // Any four bytes read as some value; writing that value back must read the
    // same, or a file would change each time it is opened and saved.
    const Bytes samples[] = {{0xFF, 0xFF, 0xFF, 0xFE},
                             {0xAB, 0xCD, 0xEF, 0x01},
                             {0x0A, 0xA0, 0x9F, 0xF9},
                             {0x00, 0x00, 0x00, 0xFA},
                             {0xFF, 0x00, 0xFF, 0x10}};
    for (const Bytes& bytes : samples) {
        const std::int64_t value = program::decodeFrequencyField(bytes);
        ASSERT_GT(value, 0);
        ASSERT_LE(value, program::MaxFieldFrequency);
        EXPECT_EQ(program::decodeFrequencyField(field(value)), value);
        EXPECT_NE(field(value)[3], 0xFF);
    }
    EXPECT_EQ(program::decodeFrequencyField(Bytes{0xFF, 0xFF, 0xFF, 0xFE}),
              program::MaxFieldFrequency);
}
