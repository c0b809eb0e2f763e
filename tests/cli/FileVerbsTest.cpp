#include "model/DatFile.h"
#include "model/FactoryDefaults.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace program;
using testsupport::readBytes;
using testsupport::runProgram;
using testsupport::TempDir;
using testsupport::writeBytes;

namespace {

testsupport::ProgramRun cli(const TempDir& dir, std::vector<std::string> words) {
    return runProgram("program-cli", words, dir);
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST(CliNew, WritesFactoryDefaultsWithTheNewDocumentValues) {
    TempDir dir;
    auto run = cli(dir, {"new", (dir / "new.dat").string(), "--type", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    auto bytes = readBytes(dir / "new.dat");
    ASSERT_EQ(bytes.size(), 4096u);

    CodeplugImage expected = factoryDefaults();
    expected.set(0xFE1, 5);
    const std::uint8_t bandBlock[] = {0x13, 0x17, 0x64, 0x40, 0x52, 0x00};
    const std::uint8_t bandShadow[] = {0x88, 0x00, 0xAE, 0x00, 0x90, 0x01, 0x08, 0x02};
    expected.write(0xFF0, bandBlock);
    expected.write(0xFD4, bandShadow);
    // Saving encodes the 129 blank rows: only their flags change (busy lock 10,
    // the uninterpreted bit 0 kept).
    for (std::size_t record = 0; record < 129; ++record)
        expected.set(record * 24 + 13, 0x05);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.bytes().begin()));
}

TEST(CliChannels, PrintsEveryRowAsTheGridShowsIt) {
    TempDir dir;
    const auto file = (dir / "c.dat").string();
    ASSERT_EQ(cli(dir, {"new", file}).status, 0);
    ASSERT_EQ(cli(dir, {"edit", file, "129", "1", "446.00625"}).status, 0);

    auto english = cli(dir, {"channels", file});
    ASSERT_EQ(english.status, 0) << english.err;
    EXPECT_EQ(lineCount(english.out), 129u);
    EXPECT_EQ(english.out.rfind("1\t\t\t\t\t\t\t\t\t\n", 0), 0u);
    EXPECT_NE(english.out.find("\nFr\t446.00625\t446.00625\tNone\tNone\t\tHigh\tWide\tYes\tOff\n"),
              std::string::npos);

    auto chinese = cli(dir, {"channels", "--lang", "zh", file});
    ASSERT_EQ(chinese.status, 0) << chinese.err;
    EXPECT_NE(chinese.out.find("\nFr\t446.00625\t446.00625\t无\t无\t\t高\t宽\t是\t关\n"),
              std::string::npos);
}

TEST(CliEdit, AcceptedEditsReachTheFileAndRefusedOnesLeaveItUntouched) {
    TempDir dir;
    const auto file = (dir / "e.dat").string();
    ASSERT_EQ(cli(dir, {"new", file}).status, 0);
    ASSERT_EQ(cli(dir, {"edit", file, "1", "1", "145.0125"}).status, 0);
    ASSERT_EQ(cli(dir, {"edit", file, "1", "3", "D023N"}).status, 0);
    const auto before = readBytes(file);

    struct Refusal {
        std::vector<std::string> words;
        std::string message;
    };
    const Refusal refusals[] = {
        {{"1", "1", "145.0120"}, "please input according the step value(6.25K/5k)."},
        {{"1", "1", "145.0120", "--enter"}, "please input according the step value(6.25K/5k)."},
        {{"1", "1", "700"}, "Error Data Format, please input again."},
        {{"1", "1", "200"}, "Out of range, please input again."},
        {{"1", "5", "信道"}, "The radio cannot show \"信道\" in a channel name."},
    };
    for (const auto& refusal : refusals) {
        std::vector<std::string> words = {"edit", file};
        words.insert(words.end(), refusal.words.begin(), refusal.words.end());
        auto run = cli(dir, words);
        EXPECT_EQ(run.status, 1) << refusal.words[2];
        EXPECT_NE(run.err.find(refusal.message), std::string::npos) << run.err;
        EXPECT_EQ(lineCount(run.err), 1u) << run.err;
        EXPECT_EQ(readBytes(file), before) << refusal.words[2];
    }

    auto channels = cli(dir, {"channels", file});
    EXPECT_EQ(
        channels.out.rfind("1\t145.01250\t145.01250\tD023N\tNone\t\tHigh\tWide\tYes\tOff\n", 0), 0u)
        << channels.out.substr(0, 80);
}

TEST(CliSaveAs, ReproducesAFileTheProgramWrote) {
    TempDir dir;
    const auto in = (dir / "in.dat").string();
    const auto out = (dir / "out.dat").string();
    ASSERT_EQ(cli(dir, {"new", in}).status, 0);
    ASSERT_EQ(cli(dir, {"edit", in, "7", "1", "438.500"}).status, 0);
    ASSERT_EQ(cli(dir, {"save-as", in, out}).status, 0);
    EXPECT_EQ(readBytes(in), readBytes(out));
}

TEST(CliInfo, ReportsBandsTypePasswordAndChannels) {
    TempDir dir;
    const auto file = (dir / "i.dat").string();
    ASSERT_EQ(cli(dir, {"new", file, "--type=3"}).status, 0);
    ASSERT_EQ(cli(dir, {"edit", file, "2", "1", "150.000"}).status, 0);
    auto run = cli(dir, {"info", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("400.00000 - 520.00000 MHz"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Radio type:      3"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Radio password:  none"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Channels in use: 1 of 129"), std::string::npos) << run.out;
}

TEST(CliErrors, BadFilesGiveOneLineAndStatusOne) {
    TempDir dir;
    writeBytes(dir / "short.dat", std::vector<std::uint8_t>(4095, 0));
    auto shortFile = cli(dir, {"info", (dir / "short.dat").string()});
    EXPECT_EQ(shortFile.status, 1);
    EXPECT_NE(shortFile.err.find("4095 bytes"), std::string::npos) << shortFile.err;
    EXPECT_EQ(lineCount(shortFile.err), 1u);

    auto missing = cli(dir, {"channels", (dir / "missing.dat").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("No such file"), std::string::npos) << missing.err;

    auto noFolder = cli(dir, {"new", (dir / "no" / "such" / "x.dat").string()});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_NE(noFolder.err.find("cannot save"), std::string::npos) << noFolder.err;
}

TEST(CliErrors, UsageMistakesGiveStatusTwo) {
    TempDir dir;
    const auto file = (dir / "u.dat").string();
    ASSERT_EQ(cli(dir, {"new", file}).status, 0);
    const std::vector<std::vector<std::string>> mistakes = {
        {},
        {"frobnicate"},
        {"new"},
        {"new", file, "extra"},
        {"new", file, "--type", "256"},
        {"new", file, "--type"},
        {"channels", file, "--lang", "fr"},
        {"edit", file, "0", "1", "145"},
        {"edit", file, "130", "1", "145"},
        {"edit", file, "1", "10", "145"},
        {"edit", file, "1", "x", "145"},
        {"info", file, "--bogus"},
        {"read", file, "--port-number", "17"},
        {"service", "read", "nothing", file},
    };
    const auto before = readBytes(file);
    for (const auto& words : mistakes) {
        auto run = cli(dir, words);
        EXPECT_EQ(run.status, 2) << (words.empty() ? "" : words[0]);
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(readBytes(file), before);
    auto help = cli(dir, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: program-cli"), std::string::npos);
}
