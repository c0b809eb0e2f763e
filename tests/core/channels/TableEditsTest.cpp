#include "channels/TableEdits.h"
#include "app/MessageIds.h"

#include <gtest/gtest.h>

using namespace program;

namespace {

const BandLimits Bands{};
const ChannelRow Used = {"146.00000", "146.60000", "67.0", "D023N",  "RPT",
                         "Low",       "Narrow",    "No",   "Carrier"};

ChannelRow channelAt(int mhz) {
    const std::string f = std::to_string(mhz) + ".00000";
    return {f, f, "None", "None", "CH" + std::to_string(mhz), "High", "Wide", "Yes", "Off"};
}

// Rows 1..128 hold channels 1xx MHz apart from a few blanks; "Fr" holds one too.
ChannelTable numberedTable() {
    ChannelTable table;
    for (int row = 1; row <= 128; ++row)
        table.setRow(row, channelAt(row < 39 ? 136 + row : 400 + row));
    table.setRow(129, channelAt(450));
    return table;
}

CommitOutcome outside(ChannelTable& table, int row, int col, std::string_view text,
                      Language language = Language::English) {
    return commitOutsideText(table, row, col, text, Bands, language);
}

} // namespace

TEST(OutsideText, TakesExactlyWhatIsWrittenOrNothing) {
    ChannelTable table;
    table.setRow(3, Used);
    const ChannelTable before = table;

    // Digits past 10 Hz are refused rather than cut off.
    EXPECT_EQ(outside(table, 3, column::RxFrequency, "146.0000001").messageId,
              message::ErrorDataValue);
    EXPECT_EQ(outside(table, 3, column::TxFrequency, "146.0000001").messageId,
              message::ErrorDataFormat);
    // A transmit frequency outside the bands is refused, not replaced.
    EXPECT_EQ(outside(table, 3, column::TxFrequency, "200").messageId, message::OutOfRange);
    EXPECT_EQ(outside(table, 3, column::RxFrequency, "145.0120").messageId,
              message::ErrorDataValue);
    // A list takes its items only, not the first item for a text it does not know.
    EXPECT_FALSE(outside(table, 3, column::Power, "Medium").accepted);
    EXPECT_FALSE(outside(table, 3, column::DecodeTone, "67").accepted);
    EXPECT_FALSE(outside(table, 3, column::EncodeTone, "D024N").accepted);
    EXPECT_FALSE(outside(table, 3, column::Name, "名字").accepted);
    EXPECT_EQ(table, before);

    // Items in either language and any case, shown in the table's language.
    EXPECT_TRUE(outside(table, 3, column::Power, " high ").accepted);
    EXPECT_TRUE(outside(table, 3, column::Bandwidth, "宽").accepted);
    EXPECT_TRUE(outside(table, 3, column::DecodeTone, "d754i").accepted);
    EXPECT_TRUE(outside(table, 3, column::TxFrequency, "146.0000000").accepted);
    EXPECT_EQ(table.row(3), (ChannelRow{"146.00000", "146.00000", "D754I", "D023N", "RPT", "High",
                                        "Wide", "No", "Carrier"}));
    EXPECT_TRUE(outside(table, 3, column::ScanAdd, "yes", Language::Chinese).accepted);
    EXPECT_EQ(table.text(3, column::ScanAdd), "是");
}

TEST(OutsideText, EmptyClearsAndBlankChannelsTakeNoSettings) {
    ChannelTable table;
    table.setRow(3, Used);
    for (int col : {column::DecodeTone, column::Name, column::Power, column::BusyLock})
        EXPECT_TRUE(outside(table, 3, col, "").accepted);
    EXPECT_EQ(table.row(3), (ChannelRow{"146.00000", "146.60000", "None", "D023N", "", "High",
                                        "Narrow", "No", "Off"}));
    EXPECT_TRUE(outside(table, 3, column::TxFrequency, " ").accepted);
    EXPECT_EQ(table.row(3), ChannelRow{});

    const CommitOutcome refused = outside(table, 3, column::Power, "Low");
    EXPECT_FALSE(refused.accepted);
    EXPECT_NE(refused.text.english.find("Channel 3 is blank"), std::string::npos);
    EXPECT_FALSE(outside(table, 3, column::TxFrequency, "146.5").accepted);
    EXPECT_TRUE(outside(table, 3, column::Power, "").accepted);
    EXPECT_EQ(table.row(3), ChannelRow{});
}

TEST(Paste, ABlockWithOneRefusedCellPastesNothing) {
    ChannelTable table = numberedTable();
    const ChannelTable before = table;
    const PasteResult result =
        pasteBlock(table, 10, column::DecodeTone,
                   {{"67.0", "D023N", "A"}, {"69.3", "D999N", "B"}, {"71.9", "None", "C"}}, Bands,
                   Language::English);
    EXPECT_FALSE(result.applied());
    ASSERT_EQ(result.refused.size(), 1u);
    EXPECT_EQ(result.refused[0].row, 11);
    EXPECT_EQ(result.refused[0].column, column::EncodeTone);
    EXPECT_EQ(result.refused[0].text, "D999N");
    EXPECT_EQ(table, before);
}

TEST(Paste, WholeRowsMakeChannelsWithTheirOwnSettings) {
    ChannelTable table = numberedTable();
    const PasteResult result = pasteBlock(
        table, 127, column::RxFrequency,
        {{"446.00625", "446.50000", "D023I", "88.5", "PMR", "Low", "Narrow", "No", "Off"},
         {"", "", "67.0", "", "", "", "", "", ""}},
        Bands, Language::English);
    ASSERT_TRUE(result.applied());
    // The settings pasted after the frequency are kept, not replaced by a new
    // channel's defaults; a row with an empty frequency becomes blank.
    EXPECT_EQ(table.row(127), (ChannelRow{"446.00625", "446.50000", "D023I", "88.5", "PMR", "Low",
                                          "Narrow", "No", "Off"}));
    EXPECT_EQ(table.row(128), ChannelRow{});
    EXPECT_EQ(table.row(129), channelAt(450));

    // A column of frequencies alone gives new channels.
    table.setRow(5, ChannelRow{});
    ASSERT_TRUE(
        pasteBlock(table, 5, column::RxFrequency, {{"145.5"}}, Bands, Language::English).applied());
    EXPECT_EQ(table.row(5), (ChannelRow{"145.50000", "145.50000", "None", "None", "", "High",
                                        "Wide", "Yes", "Off"}));
}

TEST(Paste, BlocksMustFitAndFrTakesOneRow) {
    ChannelTable table = numberedTable();
    const ChannelTable before = table;
    const std::vector<std::vector<std::string>> twoRows = {{"A"}, {"B"}};
    EXPECT_FALSE(pasteBlock(table, 128, column::Name, twoRows, Bands, Language::English)
                     .doesNotFit.english.empty());
    EXPECT_FALSE(pasteBlock(table, 129, column::Name, twoRows, Bands, Language::English)
                     .doesNotFit.english.empty());
    EXPECT_FALSE(pasteBlock(table, 1, column::BusyLock, {{"Off", "Off"}}, Bands, Language::English)
                     .doesNotFit.english.empty());
    EXPECT_EQ(table, before);
    EXPECT_TRUE(pasteBlock(table, 127, column::Name, twoRows, Bands, Language::English).applied());
    EXPECT_TRUE(pasteBlock(table, 129, column::Name, {{"FR"}}, Bands, Language::English).applied());
    EXPECT_EQ(table.text(128, column::Name), "B");
    EXPECT_EQ(table.text(129, column::Name), "FR");
}

TEST(Paste, CopiedBlocksComeBackAsTheyWere) {
    const ChannelTable source = numberedTable();
    ChannelTable table;
    const CellBlock rows{20, 1, 45, 9};
    ASSERT_TRUE(
        pasteBlock(table, 60, 1, copyBlock(source, rows), Bands, Language::English).applied());
    for (int r = 0; r < 26; ++r)
        EXPECT_EQ(table.row(60 + r), source.row(20 + r));
}

TEST(ClearBlock, CellsGetWhatANewChannelHasAndFrequenciesDeleteChannels) {
    ChannelTable table;
    table.setRow(1, Used);
    table.setRow(2, Used);
    table.setRow(3, {"", "", "67.0", "", "", "", "", "", ""});
    clearBlock(table, {1, column::EncodeTone, 3, column::BusyLock}, Language::English);
    EXPECT_EQ(table.row(1), (ChannelRow{"146.00000", "146.60000", "67.0", "None", "", "High",
                                        "Wide", "Yes", "Off"}));
    EXPECT_EQ(table.row(3), (ChannelRow{"", "", "67.0", "", "", "", "", "", ""}));
    clearBlock(table, {2, column::TxFrequency, 2, column::TxFrequency}, Language::English);
    EXPECT_EQ(table.row(2), ChannelRow{});
}

TEST(RowOperations, InsertAndDeleteShiftChannelsButNeverFr) {
    ChannelTable table = numberedTable();
    EXPECT_EQ(rowsFallingOff(2), (CellBlock{127, 1, 128, 9}));
    insertRows(table, 1, 2);
    EXPECT_EQ(table.row(1), ChannelRow{});
    EXPECT_EQ(table.row(2), ChannelRow{});
    EXPECT_EQ(table.row(3), channelAt(137));
    EXPECT_EQ(table.row(128), channelAt(400 + 126));
    EXPECT_EQ(table.row(129), channelAt(450));

    insertRows(table, 128, 1);
    EXPECT_EQ(table.row(128), ChannelRow{});
    EXPECT_THROW(insertRows(table, 128, 2), std::out_of_range);
    EXPECT_THROW(insertRows(table, 129, 1), std::out_of_range);

    table = numberedTable();
    deleteRows(table, {128, 1, 3});
    EXPECT_EQ(table.row(1), channelAt(138));
    EXPECT_EQ(table.row(2), channelAt(140));
    EXPECT_EQ(table.row(125), channelAt(400 + 127));
    EXPECT_EQ(table.row(126), ChannelRow{});
    EXPECT_EQ(table.row(128), ChannelRow{});
    EXPECT_EQ(table.row(129), channelAt(450));
    EXPECT_THROW(deleteRows(table, {129}), std::out_of_range);
    EXPECT_FALSE(rowHasText(table, 128));
    EXPECT_TRUE(rowHasText(table, 125));
}

TEST(RowOperations, MovesStopAtTheEdgesAndKeepSelectedRowsInOrder) {
    ChannelTable table = numberedTable();
    const ChannelTable before = table;
    EXPECT_FALSE(moveRows(table, {1, 5}, -1));
    EXPECT_FALSE(moveRows(table, {128}, +1));
    EXPECT_EQ(table, before);
    EXPECT_THROW(moveRows(table, {129}, -1), std::out_of_range);

    // Rows 2, 3 and 5 up: 1 goes below the block, 4 below 5.
    ASSERT_TRUE(moveRows(table, {5, 2, 3}, -1));
    EXPECT_EQ(table.row(1), before.row(2));
    EXPECT_EQ(table.row(2), before.row(3));
    EXPECT_EQ(table.row(3), before.row(1));
    EXPECT_EQ(table.row(4), before.row(5));
    EXPECT_EQ(table.row(5), before.row(4));

    ASSERT_TRUE(moveRows(table, {1, 2}, +1));
    ASSERT_TRUE(moveRows(table, {2, 3}, -1));
    ASSERT_TRUE(moveRows(table, {127}, +1));
    ASSERT_TRUE(moveRows(table, {128}, -1));
    ASSERT_TRUE(moveRows(table, {4}, +1));
    ASSERT_TRUE(moveRows(table, {5}, -1));
    EXPECT_EQ(table.row(1), before.row(2));
    EXPECT_EQ(table.row(128), before.row(128));
    EXPECT_EQ(table.row(129), before.row(129));
}
