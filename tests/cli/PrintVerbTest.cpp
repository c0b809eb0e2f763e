#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using testsupport::runProgram;
using testsupport::shellQuote;
using testsupport::TempDir;

namespace {

testsupport::ProgramRun cli(const TempDir& dir, std::vector<std::string> words) {
    return runProgram("program-cli", words, dir);
}

// What a poppler tool prints about a PDF.
std::string poppler(const std::string& tool, const std::filesystem::path& pdf,
                    const std::string& tail = {}) {
    std::string out;
    if (FILE* pipe =
            ::popen((tool + " " + shellQuote(pdf.string()) + tail + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

std::string pdfText(const std::filesystem::path& pdf) {
    return poppler("pdftotext -layout", pdf, " -");
}

int pageCount(const std::filesystem::path& pdf) {
    const std::string info = poppler("pdfinfo", pdf);
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

// A file with channels in rows 1 to 11 and the extra channel.
std::string twelveChannels(const TempDir& dir) {
    const auto file = (dir / "twelve.dat").string();
    EXPECT_EQ(cli(dir, {"new", file}).status, 0);
    for (int row : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 129})
        EXPECT_EQ(cli(dir, {"edit", file, std::to_string(row), "1", "145.0125"}).status, 0);
    return file;
}

} // namespace

TEST(CliPrint, TheListingAsAPdf) {
    TempDir dir;
    const std::string file = twelveChannels(dir);
    const auto pdf = dir / "listing.pdf";
    auto run = cli(dir, {"print", file, pdf.string(), "--owner", "Radio Shop"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(pageCount(pdf), 4);
    const std::string text = pdfText(pdf);
    for (const char* shown : {"Optional", "Page 1 of 4", "Page 4 of 4", "Radio Shop",
                              "Channel 11:", "Channel FR:", "145.01250"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown;

    const auto chinese = dir / "chinese.pdf";
    run = cli(dir, {"print", file, chinese.string(), "--sections", "2tone,dtmf", "--lang", "zh"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(pageCount(chinese), 3);
    const std::string zh = pdfText(chinese);
    for (const char* shown : {"遥毙码回应:", "2-Tone 解码", "2-Tone 编码", "Page 3 of 3"})
        EXPECT_NE(zh.find(shown), std::string::npos) << shown;
}

// A refused command leaves no file, and says why on one line.
TEST(CliPrint, RefusedCommandsWriteNothing) {
    TempDir dir;
    const auto file = (dir / "empty.dat").string();
    ASSERT_EQ(cli(dir, {"new", file}).status, 0);
    const auto pdf = (dir / "out.pdf").string();

    EXPECT_EQ(cli(dir, {"print", file, pdf, "--sections", "dtmf,fax"}).status, 2);
    EXPECT_EQ(cli(dir, {"print", file, pdf, "--lang", "fr"}).status, 2);
    EXPECT_EQ(cli(dir, {"print", file}).status, 2);
    auto run = cli(dir, {"print", file, pdf, "--sections", "channels"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("nothing to print"), std::string::npos) << run.err;
    EXPECT_EQ(cli(dir, {"print", (dir / "missing.dat").string(), pdf}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));

    run = cli(dir, {"print", file, (dir / "no" / "folder.pdf").string(), "--sections", "msk"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
}
