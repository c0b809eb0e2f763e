#include "support/RunProgram.h"

#include <gtest/gtest.h>

using testsupport::readBytes;
using testsupport::runProgram;
using testsupport::slurp;
using testsupport::TempDir;

namespace {

testsupport::ProgramRun cli(const TempDir& dir, std::vector<std::string> words) {
    return runProgram("program-cli", words, dir);
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

// A channel list out to a spreadsheet and back, changed on the way as a user would.
TEST(CliCsv, ExportEditImportAndAFileCutOffChangesNothing) {
    TempDir dir;
    const auto file = (dir / "r.dat").string();
    const auto csv = (dir / "list.csv").string();
    ASSERT_EQ(cli(dir, {"new", file}).status, 0);
    ASSERT_EQ(cli(dir, {"edit", file, "1", "1", "145.6"}).status, 0);
    ASSERT_EQ(cli(dir, {"edit", file, "1", "2", "145.0"}).status, 0);
    ASSERT_EQ(cli(dir, {"export-csv", file, csv}).status, 0);
    const std::string exported = slurp(csv);
    EXPECT_EQ(exported.rfind("Location,Name,Frequency,Duplex,Offset,Tone,", 0), 0u);
    EXPECT_NE(exported.find("\r\n1,,145.600000,-,0.600000,,"), std::string::npos);

    writeText(csv, exported + "2,\"A,B\",146.5,,,Tone,88.5,,,,,,NFM,,S,Low,,,,,\r\n"
                              "3,BAD,147.5,,,Tone,88.4,,,,,,FM,,,High,,,,,\r\n");
    auto run = cli(dir, {"import-csv", file, csv});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("line 4, Location 3: skipped:"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("rows imported: 2, skipped: 1"), std::string::npos) << run.out;
    const std::string rows = cli(dir, {"channels", file}).out;
    EXPECT_NE(rows.find("\n2\t146.50000\t146.50000\tNone\t88.5\tA,B\tLow\tNarrow\tNo\tOff\n"),
              std::string::npos);
    EXPECT_NE(rows.find("\n3\t\t"), std::string::npos);

    const auto before = readBytes(file);
    writeText(csv, "Location,Frequency,Name\n4,148.5,\"CUT");
    run = cli(dir, {"import-csv", file, csv, "--replace"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Nothing was imported"), std::string::npos);
    EXPECT_EQ(readBytes(file), before);
}
