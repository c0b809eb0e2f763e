#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <algorithm>

using testsupport::readBytes;
using testsupport::runProgram;
using testsupport::TempDir;

namespace {

testsupport::ProgramRun cli(const TempDir& dir, std::vector<std::string> words) {
    return runProgram("program-cli", words, dir);
}

// The Rx and Tx texts of rows 1..count as "rx/tx" words.
std::string frequencies(const TempDir& dir, const std::string& file, int count) {
    const std::string out = cli(dir, {"channels", file}).out;
    std::string result;
    std::size_t at = 0;
    for (int row = 0; row < count; ++row) {
        const std::size_t rx = out.find('\t', at) + 1;
        const std::size_t tx = out.find('\t', rx) + 1;
        result += (row ? " " : "") + out.substr(rx, tx - rx - 1) + "/" +
                  out.substr(tx, out.find('\t', tx) - tx);
        at = out.find('\n', at) + 1;
    }
    return result;
}

} // namespace

TEST(CliSortAndOffset, ChangeTheFileOrLeaveItUntouched) {
    TempDir dir;
    const auto file = (dir / "s.dat").string();
    ASSERT_EQ(cli(dir, {"new", file}).status, 0);
    ASSERT_EQ(cli(dir, {"edit", file, "1", "1", "439.000"}).status, 0);
    ASSERT_EQ(cli(dir, {"edit", file, "3", "1", "145.600"}).status, 0);
    ASSERT_EQ(cli(dir, {"edit", file, "4", "1", "138.000"}).status, 0);

    auto sorted = cli(dir, {"sort", file, "--by", "rx", "--rows", "1-3"});
    ASSERT_EQ(sorted.status, 0) << sorted.err;
    EXPECT_EQ(frequencies(dir, file, 4),
              "145.60000/145.60000 439.00000/439.00000 / 138.00000/138.00000");

    ASSERT_EQ(cli(dir, {"offset", file, "--rows", "1-3", "--minus"}).status, 0);
    EXPECT_EQ(frequencies(dir, file, 2), "145.60000/145.00000 439.00000/434.00000");

    // 138 - 5 MHz is below the V band: nothing changes, one line says why.
    const auto before = readBytes(file);
    auto refused = cli(dir, {"offset", file, "--rows", "1-4", "--minus", "5000"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("channel 4 (133.00000): Out of range"), std::string::npos)
        << refused.err;
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1);
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(cli(dir, {"offset", file, "--rows", "50-60", "--plus"}).status, 1);

    for (const std::vector<std::string>& usage :
         {std::vector<std::string>{"sort", file, "--by", "power"},
          {"sort", file, "--by", "rx", "--rows", "5-2"},
          {"offset", file, "--rows", "1-3"},
          {"offset", file, "--rows", "1-3", "--plus", "0.001"}}) {
        EXPECT_EQ(cli(dir, usage).status, 2) << usage[2];
        EXPECT_EQ(readBytes(file), before);
    }
}
