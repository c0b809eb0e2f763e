#include "exchange/ChannelCsv.h"
#include "exchange/Delimited.h"

#include "app/MessageIds.h"
#include "channels/Frequency.h"
#include "channels/ToneList.h"

#include <gtest/gtest.h>

#include <random>

using namespace program;

namespace {

const BandLimits Bands{};
const std::string Header = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                           "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                           "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

CsvImport import(const std::string& text, CsvOptions options = {},
                 const ChannelTable& current = {}) {
    return importChannelsCsv(current, text, options, Bands, Language::English);
}

// The fields of the first exported channel, by column name.
std::map<std::string, std::string> exportedFields(const ChannelTable& table) {
    const DelimitedText csv = readDelimited(exportChannelsCsv(table, Bands), ',');
    std::map<std::string, std::string> fields;
    for (std::size_t i = 0; i < csv.records.at(0).fields.size(); ++i)
        fields[csv.records.at(0).fields[i]] = csv.records.at(1).fields.at(i);
    return fields;
}

ChannelRow channel(std::string rx, std::string tx, std::string decode = "None",
                   std::string encode = "None") {
    return {rx, tx, decode, encode, "", "High", "Wide", "Yes", "Off"};
}

std::string reasonText(const CsvNote& note) {
    return note.reason.messageId != 0 ? message::englishText(note.reason.messageId)
                                      : note.reason.text.english;
}

} // namespace

// The tone columns both ways: the grid's decode (receive) and encode (transmit) tones
// against Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode and CrossMode.
TEST(ChannelCsv, ToneModesBothWays) {
    struct Case {
        const char* decode;
        const char* encode;
        const char* tone;
        const char* rTone;
        const char* cTone;
        const char* dtcs;
        const char* polarity;
        const char* rxDtcs;
        const char* cross;
    };
    const Case cases[] = {
        {"None", "None", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone"},
        {"None", "100.0", "Tone", "100.0", "88.5", "023", "NN", "023", "Tone->Tone"},
        {"67.0", "67.0", "TSQL", "67.0", "67.0", "023", "NN", "023", "Tone->Tone"},
        {"D754N", "D754N", "DTCS", "88.5", "88.5", "754", "NN", "754", "Tone->Tone"},
        {"D023I", "D023N", "DTCS", "88.5", "88.5", "023", "NR", "023", "Tone->Tone"},
        {"D023N", "D023I", "DTCS", "88.5", "88.5", "023", "RN", "023", "Tone->Tone"},
        {"D131I", "D131I", "DTCS", "88.5", "88.5", "131", "RR", "131", "Tone->Tone"},
        {"71.9", "67.0", "Cross", "67.0", "71.9", "023", "NN", "023", "Tone->Tone"},
        {"D025I", "67.0", "Cross", "67.0", "88.5", "023", "NR", "025", "Tone->DTCS"},
        {"254.1", "D411I", "Cross", "88.5", "254.1", "411", "RN", "023", "DTCS->Tone"},
        {"82.5", "None", "Cross", "88.5", "82.5", "023", "NN", "023", "->Tone"},
        {"D032N", "None", "Cross", "88.5", "88.5", "023", "NN", "032", "->DTCS"},
        {"None", "D606I", "Cross", "88.5", "88.5", "606", "RN", "023", "DTCS->"},
        {"D071N", "D072I", "Cross", "88.5", "88.5", "072", "RN", "071", "DTCS->DTCS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.decode) + " / " + c.encode);
        ChannelTable table;
        table.setRow(7, channel("146.52000", "146.52000", c.decode, c.encode));
        auto fields = exportedFields(table);
        EXPECT_EQ(fields["Tone"], c.tone);
        EXPECT_EQ(fields["rToneFreq"], c.rTone);
        EXPECT_EQ(fields["cToneFreq"], c.cTone);
        EXPECT_EQ(fields["DtcsCode"], c.dtcs);
        EXPECT_EQ(fields["DtcsPolarity"], c.polarity);
        EXPECT_EQ(fields["RxDtcsCode"], c.rxDtcs);
        EXPECT_EQ(fields["CrossMode"], c.cross);

        const CsvImport back = import(exportChannelsCsv(table, Bands));
        ASSERT_TRUE(back.readWhole());
        EXPECT_TRUE(back.notes.empty()) << reasonText(back.notes.at(0));
        EXPECT_EQ(back.table.text(7, column::DecodeTone), c.decode);
        EXPECT_EQ(back.table.text(7, column::EncodeTone), c.encode);
    }

    // The columns a mode does not use are not read.
    const CsvImport unused =
        import("Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,RxDtcsCode,CrossMode\n"
               "1,146.5,Tone,67.0,x,x,x,x\n"
               "2,146.5,Cross,x,67.0,x,x,->Tone\n"
               "3,146.5,TSQL,x,67.0,x,x,x\n"
               "4,146.5,Cross,x,x,x,x,DTCS->\n");
    ASSERT_EQ(unused.notes.size(), 1u);
    EXPECT_EQ(unused.notes[0].field, "DtcsCode");
    EXPECT_EQ(unused.table.text(1, column::EncodeTone), "67.0");
    EXPECT_EQ(unused.table.text(2, column::DecodeTone), "67.0");
    EXPECT_EQ(unused.table.text(3, column::EncodeTone), "67.0");
}

TEST(ChannelCsv, TransmitFrequencyAsOffsetOrSplit) {
    ChannelTable table;
    table.setRow(1, channel("145.60000", "145.00000"));
    EXPECT_EQ(exportedFields(table)["Duplex"], "-");
    EXPECT_EQ(exportedFields(table)["Offset"], "0.600000");
    table.setRow(1, channel("145.00000", "145.00000"));
    EXPECT_EQ(exportedFields(table)["Duplex"], "");
    EXPECT_EQ(exportedFields(table)["Offset"], "0.000000");
    // Across the bands the transmit frequency is written whole.
    table.setRow(1, channel("145.00000", "435.01250"));
    EXPECT_EQ(exportedFields(table)["Duplex"], "split");
    EXPECT_EQ(exportedFields(table)["Offset"], "435.012500");
    EXPECT_EQ(exportedFields(table)["Frequency"], "145.000000");
    EXPECT_EQ(exportedFields(table)["TStep"], "5.00");
    table.setRow(1, channel("446.00625", "446.00625"));
    EXPECT_EQ(exportedFields(table)["TStep"], "6.25");

    const CsvImport back = import("Location,Frequency,Duplex,Offset\n"
                                  "1,145.000000,+,0.600000\n"
                                  "2,145.600000,-,0.6\n"
                                  "3,145.000000,split,435.0125\n"
                                  "4,145.000000,off,0\n"
                                  "5,145.000000,+,400\n"
                                  "6,145.000000,,5\n");
    ASSERT_TRUE(back.readWhole());
    EXPECT_EQ(back.table.text(1, column::TxFrequency), "145.60000");
    EXPECT_EQ(back.table.text(2, column::TxFrequency), "145.00000");
    EXPECT_EQ(back.table.text(3, column::TxFrequency), "435.01250");
    EXPECT_EQ(back.table.text(6, column::TxFrequency), "145.00000");
    ASSERT_EQ(back.notes.size(), 2u);
    EXPECT_EQ(back.notes[0].line, 5);
    EXPECT_NE(reasonText(back.notes[0]).find("always has one"), std::string::npos);
    // 545 MHz lies in neither band: refused, not replaced by the V band's lower limit.
    EXPECT_EQ(back.notes[1].reason.messageId, message::OutOfRange);
    EXPECT_TRUE(back.table.isBlank(4));
    EXPECT_TRUE(back.table.isBlank(5));
}

TEST(ChannelCsv, RowsTheRadioCannotTakeAreSkippedWithAReason) {
    ChannelTable current;
    current.setRow(8, channel("150.00000", "150.00000"));
    const CsvImport result = import(
        Header + "\n"
                 "0,FR,146.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
                 "129,X,146.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
                 "1,BADTONE,146.5,,0,Tone,88.4,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
                 "2,BADCODE,146.5,,0,DTCS,88.5,88.5,024,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
                 "3,OUTBAND,200.0,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
                 "4,RASTER,146.512,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
                 "5,AM,146.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,High,,,,,\n"
                 "6,LONGNAME12,146.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Low,,,,,\n"
                 "6,AGAIN,147.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
                 "8,KEEP,146.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
                 "x,NOLOC,146.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n");
    ASSERT_TRUE(result.readWhole());
    EXPECT_EQ(result.rowsTaken, 2);
    std::vector<std::pair<int, bool>> lines;
    for (const CsvNote& note : result.notes)
        lines.emplace_back(note.line, note.skipped);
    EXPECT_EQ(lines, (std::vector<std::pair<int, bool>>{{2, true},
                                                        {3, true},
                                                        {4, true},
                                                        {5, true},
                                                        {6, true},
                                                        {7, true},
                                                        {8, true},
                                                        {9, false},
                                                        {10, true},
                                                        {12, true}}));
    EXPECT_EQ(result.notes[0].location, "0");
    EXPECT_EQ(result.notes[2].field, "rToneFreq");
    EXPECT_EQ(result.notes[3].field, "DtcsCode");
    EXPECT_EQ(result.notes[4].reason.messageId, message::OutOfRange);
    EXPECT_EQ(result.notes[5].reason.messageId, message::ErrorDataValue);
    EXPECT_EQ(result.notes[6].field, "Mode");
    EXPECT_NE(reasonText(result.notes[7]).find("\"LONGNAME\""), std::string::npos);

    EXPECT_EQ(result.table.row(6), (ChannelRow{"146.50000", "146.50000", "None", "None", "LONGNAME",
                                               "Low", "Narrow", "No", "Off"}));
    EXPECT_EQ(result.table.text(8, column::Name), "KEEP");
    EXPECT_TRUE(result.table.isBlank(1));
    EXPECT_TRUE(result.table.isBlank(129));

    const CsvImport withFr = import(Header + "\n0,FR,146.5,,0,,,,,,,,,,,,,,,,\n", {false, true});
    EXPECT_TRUE(withFr.notes.empty());
    EXPECT_EQ(withFr.table.text(129, column::Name), "FR");
}

TEST(ChannelCsv, BusyLockPowerAndReplace) {
    ChannelTable current;
    current.setRow(
        1, {"146.00000", "146.00000", "None", "None", "A", "High", "Wide", "Yes", "Carrier"});
    current.setRow(2, channel("147.00000", "147.00000"));
    current.setRow(129, channel("148.00000", "148.00000"));
    const std::string text = "Power,Frequency,Location\n"
                             "5.0W,146.1,1\n"
                             "0.5 W,146.2,3\n"
                             "2W,146.3,4\n";
    const CsvImport merged = import(text, {}, current);
    EXPECT_EQ(merged.table.text(1, column::BusyLock), "Carrier"); // kept
    EXPECT_EQ(merged.table.text(3, column::BusyLock), "Off");     // new
    EXPECT_EQ(merged.table.text(1, column::Power), "High");
    EXPECT_EQ(merged.table.text(3, column::Power), "Low");
    EXPECT_EQ(merged.table.text(4, column::Power), "Low");
    EXPECT_EQ(merged.table.row(2), current.row(2));

    const CsvImport replaced = import(text, {true, false}, current);
    EXPECT_TRUE(replaced.table.isBlank(2));
    EXPECT_EQ(replaced.table.row(129), current.row(129));
    EXPECT_EQ(replaced.table.row(1), merged.table.row(1));
}

TEST(ChannelCsv, ReadsWhatSpreadsheetsWrite) {
    // A byte-order mark, CR LF, columns in another order, unknown columns, quoted
    // fields with commas and quotes, an empty row.
    const CsvImport result = import("\xEF\xBB\xBF"
                                    "Extra,Frequency,Name,Location\r\n"
                                    "\"a,b\",\"146.5\",\"A,\"\"B\"\"\",12\r\n"
                                    ",,,\r\n"
                                    "z,147.5,Caf\xC3\xA9,13\r\n");
    ASSERT_TRUE(result.readWhole()) << result.failure.english;
    EXPECT_EQ(result.rowsTaken, 2);
    EXPECT_EQ(result.table.text(12, column::Name), "A,\"B\"");
    EXPECT_EQ(result.table.text(13, column::Name), "Caf\xC3\xA9");
    EXPECT_EQ(result.table.text(13, column::Bandwidth), "Wide");

    // The same rules on the clipboard's tabs, with a line end inside a field.
    const DelimitedText tabs = readDelimited("a\t\"b\r\nc\"\td\n\te\n", '\t');
    ASSERT_TRUE(tabs.readWhole());
    ASSERT_EQ(tabs.records.size(), 2u);
    EXPECT_EQ(tabs.records[0].fields, (std::vector<std::string>{"a", "b\r\nc", "d"}));
    EXPECT_EQ(tabs.records[1].line, 3);
    EXPECT_EQ(delimitedRecord({"a\tb", " c", "d\"", ""}, '\t'), "\"a\tb\"\t\" c\"\t\"d\"\"\"\t");
}

TEST(ChannelCsv, AFileThatIsNotWholeChangesNothing) {
    ChannelTable current;
    current.setRow(1, channel("146.00000", "146.00000"));
    const std::string good = Header + "\n2,B,146.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                                      "High,,,,,\n";
    for (const std::string& broken : {
             good + "3,\"C,147.5,,0", // cut off in a quoted field
             good + "3,C\xFF,147.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n",
             std::string("Location,Name\n1,A\n"), // no Frequency column
             std::string(),
         }) {
        const CsvImport result = import(broken, {true, false}, current);
        EXPECT_FALSE(result.readWhole()) << broken;
        EXPECT_EQ(result.table, current);
        EXPECT_EQ(result.rowsTaken, 0);
    }
    EXPECT_EQ(import(good, {}, current).failureLine, 0);
}

// Published lists end every data line with a comma; some lines are shorter.
TEST(ChannelCsv, LinesAreFittedToTheColumnsTheFirstLineNames) {
    const CsvImport result = import("Location,Name,Frequency\r\n"
                                    "1,A,146.5,\r\n"
                                    "2,B,147.5, ,,\r\n"
                                    "3,C\r\n"
                                    "4,D,145.5,x,,y\r\n"
                                    "5,E,145.0\r\n");
    ASSERT_TRUE(result.readWhole()) << result.failure.english;
    EXPECT_EQ(result.table.text(1, column::RxFrequency), "146.50000");
    EXPECT_EQ(result.table.text(2, column::Name), "B");
    EXPECT_EQ(result.table.text(5, column::RxFrequency), "145.00000");
    EXPECT_EQ(result.table.text(4, column::RxFrequency), "");
    // The only line skipped is the one whose extra fields hold text; it names them.
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(result.notes[0].line, 5);
    EXPECT_NE(reasonText(result.notes[0]).find("\"x\", \"y\""), std::string::npos)
        << reasonText(result.notes[0]);
    EXPECT_TRUE(result.notes[0].skipped);
}

TEST(ChannelCsv, RandomTablesSurviveTheRoundTrip) {
    std::mt19937 random(20240611);
    const auto& tones = toneList(Language::English);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto frequency = [&] {
        const bool v = pick(2) == 0;
        const std::int64_t lower = v ? Bands.vLower : Bands.uLower;
        const std::int64_t span = (v ? Bands.vUpper : Bands.uUpper) - lower;
        const std::int64_t step = pick(2) == 0 ? 500 : 625;
        return formatFrequency(lower +
                               (static_cast<std::int64_t>(random()) % (span / step)) * step);
    };
    const std::string names[] = {"",      "A",           "RPT 1",    "a,b", "\"Q\"",
                                 " sp  ", "Caf\xC3\xA9", "12345678", "x\ny"};
    for (int round = 0; round < 40; ++round) {
        ChannelTable table;
        for (int row = 1; row <= 128; ++row) {
            if (pick(4) == 0)
                continue;
            const std::string& name = names[pick(std::size(names))];
            const std::string rx = frequency();
            table.setRow(row, {rx, pick(3) == 0 ? rx : frequency(), tones[pick(261)],
                               tones[pick(261)], name, pick(2) ? "High" : "Low",
                               pick(2) ? "Wide" : "Narrow", pick(2) ? "Yes" : "No", "Off"});
        }
        const CsvImport back = import(exportChannelsCsv(table, Bands));
        ASSERT_TRUE(back.readWhole());
        ASSERT_TRUE(back.notes.empty()) << back.notes[0].line << ": " << reasonText(back.notes[0]);
        ASSERT_EQ(back.table, table);
    }
}
