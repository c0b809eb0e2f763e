#include "channels/CellCommit.h"
#include "app/MessageIds.h"
#include "channels/Frequency.h"

#include <gtest/gtest.h>

using namespace program;

namespace {

const BandLimits DefaultBands{};

const ChannelRow NewChannel = {"145.01250", "145.01250", "None", "None", "",
                               "High",      "Wide",      "Yes",  "Off"};

class CellCommit : public ::testing::Test {
protected:
    CommitOutcome commit(int row, int col, std::string_view text,
                         CommitKind kind = CommitKind::LeaveCell,
                         Language language = Language::English) {
        return commitCell(table, row, col, text, kind, bands, language);
    }

    // A channel in row 3 with every column set.
    void fillRowThree() {
        table.setRow(3, {"146.00000", "146.60000", "67.0", "D023N", "RPT", "Low", "Narrow", "No",
                         "Carrier"});
    }

    ChannelTable table;
    BandLimits bands = DefaultBands;
};

void expectRefused(const CommitOutcome& outcome, int messageId, MessageIcon icon,
                   bool clearEditBox) {
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.messageId, messageId);
    EXPECT_EQ(outcome.captionId, message::Caution);
    EXPECT_EQ(outcome.icon, icon);
    EXPECT_TRUE(outcome.editorStaysOpen);
    EXPECT_EQ(outcome.clearEditBox, clearEditBox);
}

void expectAccepted(const CommitOutcome& outcome) {
    EXPECT_TRUE(outcome.accepted);
    EXPECT_EQ(outcome.messageId, 0);
    EXPECT_FALSE(outcome.editorStaysOpen);
    EXPECT_FALSE(outcome.clearEditBox);
}

} // namespace

TEST_F(CellCommit, ReceiveFrequencyInAnEmptyRowStartsANewChannel) {
    expectAccepted(commit(1, column::RxFrequency, "145.0125"));
    EXPECT_EQ(table.row(1), NewChannel);

    expectAccepted(
        commit(129, column::RxFrequency, "145.0125", CommitKind::Enter, Language::Chinese));
    EXPECT_EQ(table.row(129),
              (ChannelRow{"145.01250", "145.01250", "无", "无", "", "高", "宽", "是", "关"}));
}

TEST_F(CellCommit, ReceiveFrequencyOfAChannelChangesOnlyThatCell) {
    fillRowThree();
    ChannelRow expected = table.row(3);
    expected[0] = "147.00000";
    expectAccepted(commit(3, column::RxFrequency, "147"));
    EXPECT_EQ(table.row(3), expected);
}

TEST_F(CellCommit, RefusedReceiveFrequenciesLeaveTheRowAsItWas) {
    struct Case {
        const char* text;
        int message;
        MessageIcon icon;
    };
    const Case cases[] = {
        {"700", message::ErrorDataFormat, MessageIcon::Stop},
        {"66.995", message::ErrorDataFormat, MessageIcon::Stop},
        {"abc", message::ErrorDataFormat, MessageIcon::Stop},
        {"145.0.125", message::ErrorDataFormat, MessageIcon::Stop},
        {"600.00625", message::ErrorDataFormat, MessageIcon::Stop},
        // Off both rasters: a typo must not wipe the channel.
        {"145.0120", message::ErrorDataValue, MessageIcon::Exclamation},
        {"146.0001", message::ErrorDataValue, MessageIcon::Exclamation},
        {"200", message::OutOfRange, MessageIcon::Exclamation},
        {"174.005", message::OutOfRange, MessageIcon::Exclamation},
        {"500", message::OutOfRange, MessageIcon::Exclamation},
    };
    for (CommitKind kind : {CommitKind::LeaveCell, CommitKind::Enter}) {
        for (const Case& c : cases) {
            fillRowThree();
            const ChannelTable before = table;
            expectRefused(commit(3, column::RxFrequency, c.text, kind), c.message, c.icon,
                          kind == CommitKind::Enter);
            EXPECT_EQ(table, before) << c.text;
        }
    }
    // Refused in an empty row too: no channel appears.
    expectRefused(commit(7, column::RxFrequency, "145.0120"), message::ErrorDataValue,
                  MessageIcon::Exclamation, false);
    EXPECT_TRUE(table.row(7) == ChannelRow{});
}

TEST_F(CellCommit, BandEdgesAndTheProgramsBandLimits) {
    for (const char* edge : {"136", "174", "400", "480", "67", "600"}) {
        bands = {6700000, 17400000, 40000000, 60000000};
        expectAccepted(commit(2, column::RxFrequency, edge));
        EXPECT_EQ(table.text(2, column::RxFrequency), parseFrequency(edge).text);
    }
    bands = DefaultBands;
    expectRefused(commit(2, column::RxFrequency, "500"), message::OutOfRange,
                  MessageIcon::Exclamation, false);
    bands.uUpper = 52000000; // a new document's U band
    expectAccepted(commit(2, column::RxFrequency, "500"));
    EXPECT_EQ(table.text(2, column::RxFrequency), "500.00000");
}

TEST_F(CellCommit, EmptyingTheReceiveFrequencyDeletesTheChannel) {
    for (CommitKind kind : {CommitKind::LeaveCell, CommitKind::Enter}) {
        fillRowThree();
        expectAccepted(commit(3, column::RxFrequency, "", kind));
        EXPECT_EQ(table.row(3), ChannelRow{});
    }
}

TEST_F(CellCommit, TransmitFrequencyIsNeverRefused) {
    fillRowThree();
    for (CommitKind kind : {CommitKind::LeaveCell, CommitKind::Enter}) {
        expectAccepted(commit(3, column::TxFrequency, "200", kind));
        EXPECT_EQ(table.text(3, column::TxFrequency), "136.00000");
        expectAccepted(commit(3, column::TxFrequency, "145.0120", kind));
        EXPECT_EQ(table.text(3, column::TxFrequency), "145.01200");
        expectAccepted(commit(3, column::TxFrequency, "x", kind));
        EXPECT_EQ(table.text(3, column::TxFrequency), "136.00000");
    }
    bands.vLower = 14400000;
    commit(3, column::TxFrequency, "", CommitKind::LeaveCell);
    EXPECT_EQ(table.text(3, column::TxFrequency), "144.00000");
    // Without a receive frequency there is no transmit frequency either.
    expectAccepted(commit(9, column::TxFrequency, "145"));
    EXPECT_EQ(table.text(9, column::TxFrequency), "");
}

TEST_F(CellCommit, SettingsOfABlankChannelAreNotKept) {
    for (int col = column::DecodeTone; col <= column::BusyLock; ++col) {
        expectAccepted(commit(4, col, col == column::Name ? "NAME" : "D023N"));
        EXPECT_EQ(table.text(4, col), "");
    }
    // A channel with only one frequency still takes them.
    table.setText(4, column::TxFrequency, "145.00000");
    commit(4, column::Name, "NAME");
    EXPECT_EQ(table.text(4, column::Name), "NAME");
}

TEST_F(CellCommit, ListsTakeTheirItemAndEditBoxesTheirLength) {
    fillRowThree();
    commit(3, column::Power, "High");
    EXPECT_EQ(table.text(3, column::Power), "High");
    commit(3, column::DecodeTone, "d754");
    EXPECT_EQ(table.text(3, column::DecodeTone), "D754N");
    commit(3, column::BusyLock, "nonsense");
    EXPECT_EQ(table.text(3, column::BusyLock), "Off");
    commit(3, column::ScanAdd, "否", CommitKind::LeaveCell, Language::Chinese);
    EXPECT_EQ(table.text(3, column::ScanAdd), "否");

    // A name holds as many characters as its field has bytes.
    commit(3, column::Name, "LONGNAMES");
    EXPECT_EQ(table.text(3, column::Name), "LONGNAME");
    commit(3, column::Name, "Café ÅBCD");
    EXPECT_EQ(table.text(3, column::Name), "Café ÅBC");
    // The frequency edit holds 9 characters: the tenth digit is never typed.
    commit(3, column::RxFrequency, "145.012505");
    EXPECT_EQ(table.text(3, column::RxFrequency), "145.01250");
}

TEST_F(CellCommit, NamesTheRadioCannotShowAreRefusedAndTheCellKept) {
    fillRowThree();
    const ChannelTable before = table;
    for (Language language : {Language::English, Language::Chinese}) {
        const CommitOutcome outcome =
            commit(3, column::Name, "A信道信", CommitKind::LeaveCell, language);
        EXPECT_FALSE(outcome.accepted);
        EXPECT_EQ(outcome.captionId, message::Caution);
        EXPECT_TRUE(outcome.editorStaysOpen);
        EXPECT_NE(outcome.text.english.find("\"信道\""), std::string::npos) << outcome.text.english;
        EXPECT_NE(outcome.text.chinese.find("“信道”"), std::string::npos) << outcome.text.chinese;
        EXPECT_EQ(table, before);
    }
    // U+00FF would be stored as the byte that ends a name, cutting it short.
    EXPECT_FALSE(commit(3, column::Name, "ABÿCD").accepted);
    EXPECT_EQ(table, before);
}

TEST_F(CellCommit, CellsOutsideTheChannelsAreRefusedLoudly) {
    EXPECT_THROW(commit(0, column::RxFrequency, "145"), std::out_of_range);
    EXPECT_THROW(commit(130, column::RxFrequency, "145"), std::out_of_range);
    EXPECT_THROW(commit(1, column::Label, "145"), std::out_of_range);
    EXPECT_THROW(commit(1, 10, "145"), std::out_of_range);
}
