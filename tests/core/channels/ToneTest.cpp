#include "channels/ToneList.h"

#include <gtest/gtest.h>

#include <set>

using program::decodeTone;
using program::encodeTone;
using program::Language;
using program::ToneCode;

TEST(ToneList, HasNoneThenCtcssThenBothDcsPolarities) {
    const auto& english = program::toneList(Language::English);
    const auto& chinese = program::toneList(Language::Chinese);
    ASSERT_EQ(english.size(), 261u);
    ASSERT_EQ(chinese.size(), 261u);
    EXPECT_EQ(english[0], "None");
    EXPECT_EQ(chinese[0], "无");
    EXPECT_EQ(english[1], "67.0");
    EXPECT_EQ(english[50], "254.1");
    EXPECT_EQ(english[51], "D023N");
    EXPECT_EQ(english[156], "D023I");
    EXPECT_EQ(english[260], "D754I");
    EXPECT_EQ(std::set(english.begin(), english.end()).size(), 261u) << "duplicate entries";
    EXPECT_TRUE(std::equal(english.begin() + 1, english.end(), chinese.begin() + 1));
}

TEST(ToneCode, EveryListedToneComesBackAsItsOwnText) {
    for (Language language : {Language::English, Language::Chinese}) {
        const auto& list = program::toneList(language);
        for (std::size_t i = 1; i < list.size(); ++i) {
            const ToneCode code = encodeTone(list[i]);
            EXPECT_EQ(decodeTone(code, false, language), list[i]);
            EXPECT_EQ(decodeTone(code, true, language), list[i]) << "shown on a blank channel";
        }
        EXPECT_EQ(encodeTone(list[0]), (ToneCode{0xFF, 0xFF}));
    }
}

TEST(ToneCode, BytesOfTheKnownTones) {
    EXPECT_EQ(encodeTone("67.0"), (ToneCode{0x70, 0x06}));
    EXPECT_EQ(encodeTone("69.3"), (ToneCode{0x93, 0x06}));
    EXPECT_EQ(encodeTone("100.0"), (ToneCode{0x00, 0x10}));
    EXPECT_EQ(encodeTone("254.1"), (ToneCode{0x41, 0x25}));
    EXPECT_EQ(encodeTone("D023N"), (ToneCode{0x23, 0x80}));
    EXPECT_EQ(encodeTone("D754N"), (ToneCode{0x54, 0x87}));
    EXPECT_EQ(encodeTone("D023I"), (ToneCode{0x23, 0xC0}));
    EXPECT_EQ(encodeTone("D645I"), (ToneCode{0x45, 0xC6}));
    EXPECT_EQ(encodeTone("D754I"), (ToneCode{0x54, 0xC7}));
}

TEST(ToneCode, NoToneAndUnreadableTexts) {
    for (const char* text : {"None", "无", "", "abc", "-67.0", "0.0"})
        EXPECT_EQ(encodeTone(text), (ToneCode{0xFF, 0xFF})) << text;
    // A tone typed with more decimals is rounded up to the next tenth.
    EXPECT_EQ(encodeTone("69.31"), (ToneCode{0x94, 0x06}));

    for (std::uint8_t high : {0xFF, 0x00}) {
        EXPECT_EQ(decodeTone({0x12, high}, false, Language::English), "None");
        EXPECT_EQ(decodeTone({0x12, high}, false, Language::Chinese), "无");
        EXPECT_EQ(decodeTone({0x12, high}, true, Language::English), "");
    }
}

TEST(ToneCode, OddBytesFromARadioSurviveARoundTrip) {
    // Codes outside the list decode to some text; that text must write back as a
    // code that reads the same.
    const ToneCode odd[] = {{0x05, 0x80}, {0xAB, 0xC0}, {0xFF, 0xFE}, {0xFF, 0xBF}, {0x9A, 0xBF},
                            {0xFF, 0x7F}, {0x00, 0x01}, {0xAA, 0x0A}, {0x00, 0xC1}, {0x99, 0x81}};
    for (const ToneCode& code : odd) {
        const std::string text = decodeTone(code, false, Language::English);
        EXPECT_EQ(decodeTone(encodeTone(text), false, Language::English), text);
    }
    EXPECT_EQ(decodeTone({0x05, 0x80}, false, Language::English), "D05N");
    EXPECT_EQ(decodeTone({0xAB, 0xC0}, false, Language::English), "D0111I");
    EXPECT_EQ(decodeTone({0xFF, 0x7F}, false, Language::English), "866.5");
}
