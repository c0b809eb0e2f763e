#include "channels/TableTools.h"
#include "app/MessageIds.h"
#include "channels/Frequency.h"

#include <gtest/gtest.h>

using namespace program;

namespace {

const BandLimits Bands{}; // 136-174 and 400-480 MHz

ChannelRow channel(const std::string& rx, const std::string& name, const std::string& dec = "None",
                   const std::string& enc = "None") {
    return {rx, rx, dec, enc, name, "High", "Wide", "Yes", "Off"};
}

std::vector<std::string> names(const ChannelTable& table, int first, int last) {
    std::vector<std::string> result;
    for (int row = first; row <= last; ++row)
        result.push_back(table.text(row, column::Name));
    return result;
}

} // namespace

TEST(SortRows, StableWithBlanksLastAndFrFixed) {
    ChannelTable table;
    table.setRow(1, channel("446.00625", "b"));
    table.setRow(2, {"", "", "67.0", "", "", "", "", "", ""}); // blank, showing a tone
    table.setRow(3, channel("145.50000", "A", "D023N"));
    table.setRow(4, channel("446.00625", "a"));
    table.setRow(5, channel("145.50000", "", "100.0"));
    table.setRow(6, channel("136.00000", "keep")); // not given
    table.setRow(129, channel("140.00000", "fr"));
    const std::vector<int> given = {1, 2, 3, 4, 5, 129};

    ChannelTable ascending = table;
    sortRows(ascending, given, SortKey::RxFrequency, false);
    EXPECT_EQ(names(ascending, 1, 6), (std::vector<std::string>{"A", "", "b", "a", "", "keep"}));
    EXPECT_EQ(ascending.text(5, column::DecodeTone), "67.0"); // the blank row went last whole
    EXPECT_EQ(ascending.row(129), table.row(129));

    // Descending keeps equal keys in their order too, and blanks still go last.
    ChannelTable descending = table;
    sortRows(descending, given, SortKey::RxFrequency, true);
    EXPECT_EQ(names(descending, 1, 5), (std::vector<std::string>{"b", "a", "A", "", ""}));
    EXPECT_TRUE(descending.isBlank(5));

    // Names ignore case; channels without a name follow the named ones.
    ChannelTable byName = table;
    sortRows(byName, given, SortKey::Name, false);
    EXPECT_EQ(names(byName, 1, 5), (std::vector<std::string>{"A", "a", "b", "", ""}));
    EXPECT_EQ(byName.text(4, column::RxFrequency), "145.50000");

    // Tones in the list's order: None, QT by frequency, then DQT.
    ChannelTable byTone = table;
    sortRows(byTone, given, SortKey::DecodeTone, false);
    EXPECT_EQ(byTone.text(1, column::DecodeTone), "None");
    EXPECT_EQ(byTone.text(3, column::DecodeTone), "100.0");
    EXPECT_EQ(byTone.text(4, column::DecodeTone), "D023N");
}

TEST(SetColumn, AllOrNothingAndBlankChannelsSkipped) {
    ChannelTable table;
    table.setRow(1, channel("146.00000", "one"));
    table.setRow(3, channel("446.00000", "three"));
    table.setRow(129, channel("150.00000", "fr"));
    const ChannelTable before = table;

    ManyRowsResult result =
        setColumn(table, {1, 2, 3, 129}, column::Power, "low", Bands, Language::English);
    ASSERT_TRUE(result.applied());
    EXPECT_EQ(result.skipped, std::vector<int>{2});
    EXPECT_EQ(table.text(1, column::Power), "Low");
    EXPECT_EQ(table.text(129, column::Power), "Low");
    EXPECT_TRUE(table.isBlank(2));

    // A value the grid would refuse changes no row, and the first row is named.
    table = before;
    result = setColumn(table, {3, 1}, column::TxFrequency, "200", Bands, Language::English);
    ASSERT_TRUE(result.refused);
    EXPECT_EQ(result.refused->row, 3);
    EXPECT_EQ(result.refused->reason.messageId, message::OutOfRange);
    result = setColumn(table, {1, 3}, column::Bandwidth, "Medium", Bands, Language::English);
    ASSERT_TRUE(result.refused);
    EXPECT_EQ(table, before);

    // A receive frequency makes a blank row a channel, as typing it does.
    result = setColumn(table, {2}, column::RxFrequency, "145.0125", Bands, Language::Chinese);
    ASSERT_TRUE(result.applied());
    EXPECT_EQ(table.row(2),
              (ChannelRow{"145.01250", "145.01250", "无", "无", "", "高", "宽", "是", "关"}));
}

TEST(RepeaterOffset, SplitsByBandAndRefusesTheWholeSelection) {
    EXPECT_EQ(repeaterSplit(14400000), 60000);
    EXPECT_EQ(repeaterSplit(14800000), 60000);
    EXPECT_EQ(repeaterSplit(44000000), 5 * TenHzPerMHz);
    EXPECT_EQ(repeaterSplit(15000000), std::nullopt);
    EXPECT_EQ(parseOffsetKHz("7.6"), 760);
    EXPECT_EQ(parseOffsetKHz("600"), 60000);
    for (const char* bad : {"0", "-600", "0.005", "6OO", "", "600000"})
        EXPECT_EQ(parseOffsetKHz(bad), std::nullopt) << bad;

    ChannelTable table;
    table.setRow(1, channel("145.60000", "2m"));
    table.setRow(2, channel("439.00000", "70cm"));
    table.setRow(4, channel("162.40000", "wx"));
    table.setRow(5, channel("475.00000", "top"));
    const ChannelTable before = table;

    ManyRowsResult result = applyRepeaterOffset(table, {1, 2, 3}, OffsetDirection::Minus,
                                                std::nullopt, Bands, Language::English);
    ASSERT_TRUE(result.applied());
    EXPECT_EQ(result.skipped, std::vector<int>{3});
    EXPECT_EQ(table.text(1, column::TxFrequency), "145.00000");
    EXPECT_EQ(table.text(2, column::TxFrequency), "434.00000");
    EXPECT_EQ(table.text(1, column::RxFrequency), "145.60000");

    // No split outside the repeater bands unless one is given.
    table = before;
    result = applyRepeaterOffset(table, {1, 4}, OffsetDirection::Plus, std::nullopt, Bands,
                                 Language::English);
    ASSERT_TRUE(result.refused);
    EXPECT_EQ(result.refused->row, 4);
    EXPECT_EQ(table, before);
    // 475 + 10 MHz leaves the U band: the 2 m channel before it keeps its Tx too.
    result = applyRepeaterOffset(table, {1, 5}, OffsetDirection::Plus, 1000000, Bands,
                                 Language::English);
    ASSERT_TRUE(result.refused);
    EXPECT_EQ(result.refused->row, 5);
    EXPECT_EQ(result.refused->text, "485.00000");
    EXPECT_EQ(result.refused->reason.messageId, message::OutOfRange);
    EXPECT_EQ(table, before);
}

TEST(Duplicates, NameTheFirstChannelWithTheSameFrequencyAndTones) {
    ChannelTable table;
    table.setRow(2, channel("145.50000", "a", "67.0"));
    table.setRow(5, channel("145.50000", "b", "67.0"));
    table.setRow(7, channel("145.50000", "c", "67.0", "D023N")); // other encode tone
    table.setRow(9, channel("145.5", "d", "67.0"));
    table.setRow(129, channel("145.50000", "fr", "67.0"));
    const std::vector<int> of = duplicateOf(table);
    EXPECT_EQ(of[2], 0);
    EXPECT_EQ(of[5], 2);
    EXPECT_EQ(of[7], 0);
    EXPECT_EQ(of[9], 2);
    EXPECT_EQ(of[129], 2);
    EXPECT_EQ(of[1], 0); // blank rows are all alike but never duplicates
    EXPECT_EQ(of[3], 0);
}

TEST(FindCells, NamesAndFrequenciesIgnoringCase) {
    ChannelTable table;
    table.setRow(1, channel("145.50000", "Home"));
    table.setRow(3, {"446.00625", "145.50000", "None", "None", "PMR", "Low", "Wide", "Yes", "Off"});
    EXPECT_EQ(findCells(table, "145.5"),
              (std::vector<CellAt>{
                  {1, column::RxFrequency}, {1, column::TxFrequency}, {3, column::TxFrequency}}));
    EXPECT_EQ(findCells(table, "HOM"), (std::vector<CellAt>{{1, column::Name}}));
    EXPECT_TRUE(findCells(table, "").empty());
}

TEST(RowRange, WholeNumbersInOrderWithinTheTable) {
    EXPECT_EQ(parseRowRange("3-5", 1, 129), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(parseRowRange("129", 1, 129), std::vector<int>{129});
    for (const char* bad : {"5-3", "0-4", "1-130", "a-b", "1-", "-3", "+1-2", "1-2-3", ""})
        EXPECT_EQ(parseRowRange(bad, 1, 129), std::nullopt) << bad;
}
