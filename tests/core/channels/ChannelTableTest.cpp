#include "channels/ChannelTable.h"
#include "channels/BandLimitBlock.h"
#include "channels/ChannelRecord.h"
#include "model/FactoryDefaults.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace program;

namespace {

void put(CodeplugImage& image, std::size_t offset, std::vector<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes)
        image.set(offset++, b);
}

std::vector<std::uint8_t> bytesAt(const CodeplugImage& image, std::size_t offset,
                                  std::size_t length) {
    auto range = image.range(offset, length);
    return {range.begin(), range.end()};
}

ProgramState stateFor(bool newDocument, Language language = Language::English) {
    ProgramState state;
    state.newDocument = newDocument;
    state.language = language;
    return state;
}

} // namespace

TEST(ChannelTable, LabelsHeadersAndEditors) {
    const ChannelTable table;
    EXPECT_EQ(table.text(1, column::Label), "1");
    EXPECT_EQ(table.text(128, column::Label), "128");
    EXPECT_EQ(table.text(129, column::Label), "Fr");
    EXPECT_EQ(ChannelTable::header(0, Language::English), "CH");
    EXPECT_EQ(ChannelTable::header(5, Language::English), "Chnnel Name");
    EXPECT_EQ(ChannelTable::header(7, Language::English), " W/N ");
    EXPECT_EQ(ChannelTable::header(9, Language::Chinese), "繁忙锁定");

    EXPECT_THROW(table.text(0, 1), std::out_of_range);
    EXPECT_THROW(table.text(130, 1), std::out_of_range);
    EXPECT_THROW(table.text(1, 10), std::out_of_range);
    ChannelTable writable;
    EXPECT_THROW(writable.setText(1, column::Label, "x"), std::out_of_range);

    EXPECT_EQ(ChannelTable::items(column::Name, Language::English).size(), 0u);
    EXPECT_EQ(ChannelTable::items(column::EncodeTone, Language::English).size(), 261u);
    EXPECT_EQ(ChannelTable::items(column::Power, Language::English),
              (std::vector<std::string>{"Low", "High"}));
    EXPECT_EQ(ChannelTable::items(column::BusyLock, Language::Chinese),
              (std::vector<std::string>{"关", "载波", "QT/DQT"}));
}

TEST(ChannelTable, ListsSelectTheFirstItemStartingWithTheCellText) {
    EXPECT_EQ(ChannelTable::selectedItem(column::Power, "High", Language::English), 1);
    EXPECT_EQ(ChannelTable::selectedItem(column::Power, "hi", Language::English), 1);
    EXPECT_EQ(ChannelTable::selectedItem(column::Power, "", Language::English), 0);
    EXPECT_EQ(ChannelTable::selectedItem(column::Power, "Medium", Language::English), 0);
    EXPECT_EQ(ChannelTable::selectedItem(column::DecodeTone, "d023i", Language::English), 156);
    EXPECT_EQ(ChannelTable::selectedItem(column::DecodeTone, "无", Language::Chinese), 0);
    EXPECT_EQ(ChannelTable::selectedItem(column::BusyLock, "载波", Language::Chinese), 1);
}

TEST(ImageToGrid, NewDocumentGetsTypeBandsAndShadowAndSavesStably) {
    CodeplugImage image = factoryDefaults();
    ChannelTable table;
    table.setText(5, column::RxFrequency, "145.00000"); // left over from before
    ProgramState state = stateFor(true);

    const ImageToGridResult result = ImageToGrid(image, table, state, 7);
    EXPECT_FALSE(result.typeToStore.has_value());
    EXPECT_EQ(table, ChannelTable{});
    EXPECT_EQ(image.at(0xFE1), 7);
    EXPECT_EQ(bytesAt(image, 0xFF0, 6),
              (std::vector<std::uint8_t>{0x13, 0x17, 0x64, 0x40, 0x52, 0x00}));
    EXPECT_EQ(bytesAt(image, 0xFD4, 8),
              (std::vector<std::uint8_t>{0x88, 0x00, 0xAE, 0x00, 0x90, 0x01, 0x08, 0x02}));
    EXPECT_EQ(state.bandLimits, (BandLimits{13600000, 17400000, 40000000, 52000000}));

    // Saving writes only the flags of the blank channels (busy lock bits 10);
    // every other byte is the adjusted default.
    CodeplugImage expected = factoryDefaults();
    expected.set(0xFE1, 7);
    put(expected, 0xFF0, {0x13, 0x17, 0x64, 0x40, 0x52, 0x00});
    put(expected, 0xFD4, {0x88, 0x00, 0xAE, 0x00, 0x90, 0x01, 0x08, 0x02});
    for (int record = 0; record < ChannelRecordCount; ++record)
        expected.set(channelRecordOffset(record) + 13, 0x05);
    GridToImage(table, state, image);
    EXPECT_EQ(image, expected);

    // Opening that file and saving it again changes nothing, and hands back its type.
    ProgramState opened = stateFor(false);
    ChannelTable reopened;
    EXPECT_EQ(ImageToGrid(image, reopened, opened, 0).typeToStore, 7);
    GridToImage(reopened, opened, image);
    EXPECT_EQ(image, expected);
}

TEST(ImageToGrid, OpenedDocumentKeepsItsImageAndSetsTheBandLimits) {
    CodeplugImage image = factoryDefaults();
    put(image, 0xFF0, {0x13, 0x17, 0x64, 0x40, 0x48, 0x00}); // 136-174, 400-480
    image.set(0xFE1, 0x2A);
    const CodeplugImage before = image;
    ProgramState state = stateFor(false);
    state.bandLimits = {1, 2, 3, 4};
    ChannelTable table;

    EXPECT_EQ(ImageToGrid(image, table, state, 9).typeToStore, 0x2A);
    EXPECT_EQ(image, before);
    EXPECT_EQ(state.bandLimits, BandLimits{});
}

TEST(BandLimitBlock, DigitsArePackedAcrossSixBytes) {
    CodeplugImage image;
    writeBandLimitBlock({13600000, 17400000, 40000000, 48000000}, image);
    EXPECT_EQ(bytesAt(image, 0xFF0, 6),
              (std::vector<std::uint8_t>{0x13, 0x17, 0x64, 0x40, 0x48, 0x00}));
    // Limits are whole MHz; the odd units digits land in the shared bytes.
    writeBandLimitBlock({13712345, 17999999, 40500000, 52900000}, image);
    EXPECT_EQ(bytesAt(image, 0xFF0, 6),
              (std::vector<std::uint8_t>{0x13, 0x17, 0x79, 0x40, 0x52, 0x59}));
    EXPECT_EQ(readBandLimitBlock(image), (BandLimits{13700000, 17900000, 40500000, 52900000}));

    // GridToImage writes the program's limits, as Software Info may have set them.
    ProgramState state;
    state.bandLimits = {14400000, 14800000, 43000000, 44000000};
    GridToImage(ChannelTable{}, state, image);
    EXPECT_EQ(readBandLimitBlock(image), state.bandLimits);
    // Any block bytes read as some limits that write back unchanged.
    put(image, 0xFF0, {0xFF, 0xAB, 0xCD, 0x00, 0x9F, 0xF0});
    const BandLimits odd = readBandLimitBlock(image);
    writeBandLimitBlock(odd, image);
    EXPECT_EQ(readBandLimitBlock(image), odd);
}

TEST(ImageToGrid, TheExtraChannelIsRowFr) {
    CodeplugImage image;
    put(image, 0xC00,
        {0x50, 0x12, 0x00, 0x44, 0x50, 0x12, 0x00, 0x44, 0x54, 0xC7, 0xFF, 0xFF, 0xFF, 0x01, 0xFF,
         0xFF, 'F', 'R'});
    ProgramState state = stateFor(false);
    ChannelTable table;
    ImageToGrid(image, table, state, 0);
    EXPECT_EQ(table.row(129), (ChannelRow{"440.01250", "440.01250", "D754I", "None", "FR", "Low",
                                          "Narrow", "No", "Off"}));
    EXPECT_EQ(table.channelsInUse(), 1);
    EXPECT_TRUE(table.isBlank(128));

    table.setText(129, column::Power, "High");
    GridToImage(table, state, image);
    EXPECT_EQ(image.at(0xC00 + 13), 0x21);
    EXPECT_EQ(image.at(0xBE8 + 13), 0x05) << "row 128 is a blank channel";
}

TEST(ImageToGrid, RandomImagesDecodeTheSameAfterEncoding) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        CodeplugImage image;
        for (auto& b : image.bytes())
            b = static_cast<std::uint8_t>(byte(random));
        // Half the records get plausible frequencies, so that full channels show.
        for (int record = 0; record < ChannelRecordCount; record += 2) {
            image.set(channelRecordOffset(record) + 3, 0x14);
            image.set(channelRecordOffset(record) + 7, 0x44);
        }
        const Language language = round % 2 ? Language::Chinese : Language::English;
        ProgramState state = stateFor(round % 3 == 0, language);
        ChannelTable first;
        ImageToGrid(image, first, state, 3);
        const CodeplugImage decoded = image;

        GridToImage(first, state, image);
        ChannelTable second;
        ProgramState reopened = stateFor(false, language);
        ImageToGrid(image, second, reopened, 0);
        ASSERT_EQ(second, first) << "round " << round;
        ASSERT_EQ(reopened.bandLimits, state.bandLimits);

        // Writing again changes no byte, and bytes outside the table stay as read.
        CodeplugImage again = image;
        GridToImage(second, reopened, again);
        ASSERT_EQ(again, image);
        for (std::size_t offset = 0xC18; offset < CodeplugImage::Size; ++offset) {
            const bool bandLimitBlock = offset >= 0xFF0 && offset <= 0xFF5;
            ASSERT_TRUE(bandLimitBlock || image.at(offset) == decoded.at(offset)) << offset;
        }
    }
}
