#include "PrintTestSupport.h"

#include "features/OptionalFeatures.h"
#include "model/FactoryDefaults.h"
#include "model/Fields.h"
#include "print/SectionPages.h"

#include <gtest/gtest.h>

using namespace program;
using namespace program::print;
using printtest::Area;
using printtest::Lines;
using printtest::valueOf;

namespace {

Page pageOf(Section section, const CodeplugImage& image, Language language = Language::English,
            int pageOfSection = 1) {
    Selection selection;
    selection.chosen.fill(false);
    selection.set(section, true);
    const PrintJob job({image, ChannelTable{}, language, {}}, selection);
    return job.layOut(pageOfSection, Area, Lines);
}

void putText(CodeplugImage& image, std::size_t at, std::size_t size, const std::string& text) {
    field::setText(image.bytes(), at, size, text);
}

} // namespace

TEST(DtmfPage, ShowsWhatTheDtmfDialogShows) {
    CodeplugImage image = factoryDefaults();
    Page page = pageOf(Section::Dtmf, image);
    EXPECT_EQ(valueOf(page, "DTMF Speed:"), "6");
    EXPECT_EQ(valueOf(page, "First Digit Delay Time(ms):"), "200");
    EXPECT_EQ(valueOf(page, "First Digit Time(ms):"), "0");
    EXPECT_EQ(valueOf(page, "Side Tone:"), "√");
    EXPECT_EQ(valueOf(page, "ID Code:"), "");
    EXPECT_EQ(valueOf(page, "Group Code:"), "A");
    EXPECT_EQ(valueOf(page, "Stun Activation:"), "On");
    EXPECT_EQ(valueOf(page, "Stun Code Response:"), "Tx inbibit");

    // Bits above the speed's two and the times' five are not the dialog's: 0x87
    // is speed 15, 0xE4 a delay of 4 steps.
    image.set(0xCB0, 0x87);
    image.set(0xCB1, 0xE4);
    image.set(0xCB3, 0x14);
    image.set(0xCCF, 0xFF);
    image.set(0xC70, 0x00);
    putText(image, 0xCC0, 10, "1234567890");
    putText(image, 0xCD0, 10, "9#*");
    putText(image, 0xD80, 16, "0123456789ABCD*#");
    page = pageOf(Section::Dtmf, image);
    EXPECT_EQ(valueOf(page, "DTMF Speed:"), "15");
    EXPECT_EQ(valueOf(page, "First Digit Delay Time(ms):"), "200");
    EXPECT_EQ(valueOf(page, "* and # Digit Time(ms):"), "1000");
    EXPECT_EQ(valueOf(page, "Side Tone:"), "×");
    EXPECT_EQ(valueOf(page, "ID Code:"), "1234567890");
    EXPECT_EQ(valueOf(page, "Group Code:"), "Off");
    EXPECT_EQ(valueOf(page, "Stun Activation:"), "Off");
    EXPECT_EQ(valueOf(page, "Stun Code:"), "9#*");
    EXPECT_EQ(valueOf(page, "Stun Code Response:"), "Transceiver inhibit");
    // The ninth fast call entry, on the ninth line of the list.
    EXPECT_EQ(valueOf(page, "9"), "0123456789ABCD*#");

    page = pageOf(Section::Dtmf, image, Language::Chinese);
    EXPECT_EQ(valueOf(page, "遥毙激活:"), "关");
    EXPECT_EQ(valueOf(page, "遥毙码回应:"), "禁止收发");
}

TEST(MskPage, IdCodeAndCallList) {
    CodeplugImage image = factoryDefaults();
    putText(image, 0xC80, 4, "12AB");
    putText(image, 0xCA4, 4, "7");
    const Page page = pageOf(Section::Msk, image);
    EXPECT_EQ(valueOf(page, "ID Code:"), "12AB");
    EXPECT_EQ(valueOf(page, "9"), "7");
    EXPECT_EQ(valueOf(page, "1"), "");
}

// Each line shows the Optional Features dialog's choice in the listing's words;
// the settings the dialog lacks come from their own bits.
TEST(OptionalPage, FollowsTheOptionalFeaturesDialog) {
    CodeplugImage image = factoryDefaults();
    Page page = pageOf(Section::Optional, image);
    const std::pair<const char*, const char*> fresh[] = {
        {"Back Light:", "Auto"},        {"Back Light Color:", "Purple"},
        {"Display mode:", "3"},         {"Key lock:", "Manual"},
        {"Priority channel:", "0"},     {"Scan mode:", "Co"},
        {"Squelch level:", "4"},        {"Step:", "5k"},
        {"Time-out Timer:", "30"},      {"Vox Gain Level:", "Off"},
        {"Voice annunciation:", "Off"}, {"Frequency Mode:", "On"},
        {"MSK Type:", "MSK-I"},         {"Battery saver:", "On"},
        {"Beep tone:", "On"},           {"Scrambler:", "Off"},
        {"Keypad Lock:", "Off"},        {"Display PTT ID:", "Off"},
        {"PTT ID type:", "DTMF"},       {"Beginning of Trasmit:", ""},
        {"End of transmit:", ""}};
    for (const auto& [label, value] : fresh)
        EXPECT_EQ(valueOf(page, label), value) << label;

    auto values = features::loadOptionalFeatures(image);
    values.backLight = 2;
    values.backLightColor = 1;
    values.displayMode = 3;
    values.priorityChannel = 128;
    values.scanMode = 2;
    values.step = 4;
    values.tot = 9;
    values.voxGain = 3;
    values.mskType = 1;
    values.batterySaver = 1;
    values.beep = 1;
    values.keypadLock = true;
    features::storeOptionalFeatures(values, image);
    image.set(0xC44, 0x94); // announcement, scrambler, PTT ID display
    image.set(0xC70, image.at(0xC70) & ~0x0E);
    putText(image, 0xC50, 16, "BOT-1");
    putText(image, 0xC60, 16, "EOT-16-CHARACTER");
    page = pageOf(Section::Optional, image);
    const std::pair<const char*, const char*> changed[] = {
        {"Back Light:", "On"},
        {"Back Light Color:", "Orangle"},
        {"Display mode:", "4"},
        {"Priority channel:", "128"},
        {"Scan mode:", "Se"},
        {"Step:", "25k"},
        {"Time-out Timer:", "270"},
        {"Vox Gain Level:", "3"},
        {"MSK Type:", "MSK-II"},
        {"Battery saver:", "Off"},
        {"Beep tone:", "Off"},
        {"Keypad Lock:", "On"},
        {"Voice annunciation:", "English"},
        {"Frequency Mode:", "Off"},
        {"Scrambler:", "On"},
        {"Display PTT ID:", "On"},
        {"PTT ID type:", "MSK"},
        {"Beginning of Trasmit:", "BOT-1"},
        {"End of transmit:", "EOT-16-CHARACTER"}};
    for (const auto& [label, value] : changed)
        EXPECT_EQ(valueOf(page, label), value) << label;
}

TEST(OptionalPage, VoiceAnnunciationAndChineseTexts) {
    CodeplugImage image = factoryDefaults();
    const auto voice = [&image](std::uint8_t c44, std::uint8_t c70, Language language) {
        image.set(0xC44, c44);
        image.set(0xC70, c70);
        const Page page = pageOf(Section::Optional, image, language);
        return valueOf(page, language == Language::English ? "Voice annunciation:" : "语音报号:");
    };
    EXPECT_EQ(voice(0x04, 0x02, Language::English), "Chinese");
    EXPECT_EQ(voice(0x04, 0x02, Language::Chinese), "中文");
    EXPECT_EQ(voice(0x04, 0x00, Language::Chinese), "英文");
    // Chinese announcement without the announcement switch has no text.
    EXPECT_EQ(voice(0x00, 0x02, Language::English), "");

    image = factoryDefaults();
    const Page page = pageOf(Section::Optional, image, Language::Chinese);
    EXPECT_EQ(valueOf(page, "背光灯:"), "自动");
    EXPECT_EQ(valueOf(page, "背光灯颜色:"), "紫色");
    EXPECT_EQ(valueOf(page, "扫描模式:"), "载波");
    EXPECT_EQ(valueOf(page, "超时定时器:"), "30");
    EXPECT_EQ(valueOf(page, "声控增益电平:"), "关");
}

TEST(TwoTonePages, DecodeEntriesInTwoColumns) {
    CodeplugImage image = factoryDefaults();
    // Entry 8: 288.5 Hz and 3106.0 Hz, times 10.0, 0.5, interval 0.0, long 2.5.
    const std::uint8_t entry8[] = {0x0B, 0x45, 0x79, 0x54, 100, 5, 0, 25};
    image.write(0xEB8, entry8);
    const Page page = pageOf(Section::TwoTone, image);

    std::vector<const TextItem*> headings;
    for (const auto& item : page.texts) {
        if (item.text.rfind("2-Tone ", 0) == 0 && item.text.back() == ':')
            headings.push_back(&item);
    }
    ASSERT_EQ(headings.size(), 8u);
    // Entries 1 and 2 side by side, entry 8 in the right column of the fourth block.
    EXPECT_EQ(headings[0]->y, headings[1]->y);
    EXPECT_LT(headings[0]->x, headings[1]->x);
    EXPECT_EQ(headings[7]->text, "2-Tone 8:");
    EXPECT_EQ(headings[7]->x, headings[1]->x);
    EXPECT_EQ(headings[7]->y, 31 * Lines.body);

    const auto valueBelow = [&page](const TextItem& heading, int lines) {
        std::string found = "<none>";
        int nearest = 1 << 30;
        for (const auto& item : page.texts) {
            if (item.y == heading.y + lines * Lines.body && item.x > heading.x &&
                item.x - heading.x < nearest && item.x - heading.x > Area.width / 66 * 10) {
                nearest = item.x - heading.x;
                found = item.text;
            }
        }
        return found;
    };
    EXPECT_EQ(valueBelow(*headings[0], 1), "2000.0");
    EXPECT_EQ(valueBelow(*headings[0], 2), "1000.0");
    EXPECT_EQ(valueBelow(*headings[7], 1), "288.5");
    EXPECT_EQ(valueBelow(*headings[7], 2), "3106.0");
    EXPECT_EQ(valueBelow(*headings[7], 3), "10.0"); // first delay
    EXPECT_EQ(valueBelow(*headings[7], 4), "0.5");  // second delay
    EXPECT_EQ(valueBelow(*headings[7], 5), "2.5");  // long tone
    EXPECT_EQ(valueBelow(*headings[7], 6), "0.0");  // interval
}

TEST(TwoTonePages, EncodeTimingAndTones) {
    CodeplugImage image = factoryDefaults();
    Page page = pageOf(Section::TwoTone, image, Language::English, 2);
    EXPECT_EQ(valueOf(page, "The first delay time(s):"), "0.5");
    EXPECT_EQ(valueOf(page, "Long tone delay time(s):"), "1.0");
    EXPECT_EQ(valueOf(page, "Tone interval time(s):"), "1.0");
    EXPECT_EQ(valueOf(page, "Txrise delay time(s):"), "0.10");
    EXPECT_EQ(valueOf(page, "Short beep tone:"), "Off");

    image.set(0xEC7, 1);
    image.set(0xEC5, 0);
    image.set(0xEC6, 7); // 0.35 s
    const std::uint8_t entry17[] = {0xFF, 0xFF, 0x27, 0x10};
    image.write(0xE40, entry17);
    page = pageOf(Section::TwoTone, image, Language::English, 2);
    EXPECT_EQ(valueOf(page, "Short beep tone:"), "ON");
    EXPECT_EQ(valueOf(page, "Txrise delay time(s):"), "0.35");
    EXPECT_EQ(valueOf(page, "1"), "2000.0");
    // Entry 17 stands beside entry 1; its emptied first tone prints nothing.
    EXPECT_EQ(valueOf(page, "17"), "1000.0");
    const auto lineOf = [&page](const std::string& text) {
        for (const auto& item : page.texts) {
            if (item.text == text)
                return item.y;
        }
        return -1;
    };
    EXPECT_EQ(lineOf("1"), lineOf("17"));
    EXPECT_EQ(lineOf("16"), lineOf("32"));

    page = pageOf(Section::TwoTone, image, Language::Chinese, 2);
    EXPECT_EQ(valueOf(page, "短哔音:"), "开");
}

TEST(ChannelPage, GridTextsOfEachChannel) {
    ChannelTable table;
    table.setRow(
        7, {"145.12500", "145.72500", "88.5", "D023N", "REPEAT", "High", "Wide", "Yes", "Carrier"});
    table.setRow(129, {"446.00625", "446.00625", "None", "None", "", "Low", "Narrow", "No", "Off"});
    const Listing listing{factoryDefaults(), table, Language::English, {}};
    Selection selection;
    selection.set(Section::Optional, false);
    const Page page = PrintJob(listing, selection).layOut(1, Area, Lines);

    const auto rowOf = [&page](const std::string& text, int nth) {
        for (const auto& item : page.texts) {
            if (item.text == text && nth-- == 0)
                return item.y;
        }
        return -1;
    };
    // Each channel takes eight lines; the extra channel prints as FR.
    EXPECT_EQ(rowOf("Channel 7:", 0), 4 * Lines.body);
    EXPECT_EQ(rowOf("Channel FR:", 0), 12 * Lines.body);
    EXPECT_EQ(rowOf("Receive Frequency:", 1), 13 * Lines.body);

    const auto valuesOn = [&page](int y) {
        std::vector<std::string> texts;
        for (const auto& item : page.texts) {
            if (item.y == y)
                texts.push_back(item.text);
        }
        return texts;
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(valuesOn(5 * Lines.body),
              (Texts{"Receive Frequency:", "145.12500", "Wide/Narrow:", "Wide"}));
    // The grid has no PTT ID or optional signal column: labels only.
    EXPECT_EQ(valuesOn(7 * Lines.body), (Texts{"QT/DQT Decode:", "88.5", "PTT ID:"}));
    EXPECT_EQ(valuesOn(8 * Lines.body),
              (Texts{"QT/DQT Encode:", "D023N", "Busy Lock:", "Carrier"}));
    EXPECT_EQ(valuesOn(9 * Lines.body), (Texts{"Channel Name:", "REPEAT", "Optional Singal:"}));
    EXPECT_EQ(valuesOn(17 * Lines.body), (Texts{"Channel Name:", "Optional Singal:"}));

    const Page chinese = PrintJob({factoryDefaults(), table, Language::Chinese, {}}, selection)
                             .layOut(1, Area, Lines);
    EXPECT_EQ(valueOf(chinese, "信道 FR:"), "");
    EXPECT_TRUE(printtest::shows(chinese, "信道信息"));
}

TEST(Formatting, FixedPointIgnoresTheLocale) {
    EXPECT_EQ(fixed(2000.0, 4, 1), "2000.0");
    EXPECT_EQ(fixed(0.0, 4, 1), " 0.0");
    EXPECT_EQ(fixed(0.35, 3, 2), "0.35");
    EXPECT_EQ(fixed(6553.5, 4, 1), "6553.5");
}
