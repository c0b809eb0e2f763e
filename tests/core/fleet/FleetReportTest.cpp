#include "fleet/FleetReport.h"

#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace program::fleet;

namespace {

const std::string Header = "time,port,label,values,backup,written,verified,message\r\n";

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

TEST(FleetReport, ARerunTakesOnlyRadiosThatWereNotWrittenOrFailedTheirVerify) {
    const auto history = readReportHistory(Header + "t,p,A,,,yes,yes,\r\n"
                                                    "t,p,B,,,no,,\"not written: x\"\r\n"
                                                    "t,p,C,,,yes,no,differs\r\n"
                                                    "t,p,D,,,yes,,\r\n"
                                                    "t,p,7,,,yes,,\r\n"
                                                    "t,p,B,,,yes,yes,\r\n"
                                                    "t,p,E,,,yes"); // cut off by a crash
    ASSERT_TRUE(history.ok()) << history.failure;
    EXPECT_EQ(history.done, (std::set<std::string>{"A", "B", "D", "7"}));
    EXPECT_EQ(history.highestNumber, 7);

    EXPECT_FALSE(readReportHistory("label,written\r\nA,yes\r\n").ok());
}

TEST(FleetReport, LinesAreAddedToWhatAnEarlierRunLeft) {
    testsupport::TempDir dir;
    const auto path = dir / "report.csv";
    std::string error;
    {
        auto report = ReportFile::open(path, error);
        ASSERT_TRUE(report) << error;
        EXPECT_TRUE(report->history().done.empty());
        ReportLine line{
            "2026-01-01 10:00:00", "COM1", "A, B", "msk.id_code=1", "", true, "yes", ""};
        EXPECT_EQ(report->append(line), "");
    }
    // A line a crash cut short is ended before the next one goes in.
    std::ofstream(path, std::ios::binary | std::ios::app) << "t,COM2,Z,,,ye";
    auto again = ReportFile::open(path, error);
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(again->history().done, (std::set<std::string>{"A, B"}));
    EXPECT_EQ(again->append({"t", "COM2", "Z", "", "", false, "", "not written"}), "");
    again.reset();
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, Header + "2026-01-01 10:00:00,COM1,\"A, B\",msk.id_code=1,,yes,yes,\r\n"
                             "t,COM2,Z,,,ye\r\nt,COM2,Z,,,no,,not written\r\n");
}

TEST(FleetReport, AReportThatCannotBeWrittenIsFoundAtOnce) {
    testsupport::TempDir dir;
    std::string error;
    EXPECT_FALSE(ReportFile::open(dir / "missing" / "report.csv", error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;

    const auto old = dir / "old.csv";
    writeText(old, Header + "t,p,A,,,yes,,\r\n");
    const auto fresh = dir / "fresh.csv";
    {
        // As on a full disk: neither a new report's first line nor room for an old
        // one's next lines can be had.
        testsupport::FileSizeLimit full(Header.size() / 2);
        EXPECT_FALSE(ReportFile::open(fresh, error));
        EXPECT_FALSE(ReportFile::open(old, error));
    }
    EXPECT_EQ(std::filesystem::file_size(fresh), 0u);

    writeText(dir / "other.csv", "Location,Name\r\n1,A\r\n");
    EXPECT_FALSE(ReportFile::open(dir / "other.csv", error));
    EXPECT_NE(error.find("line 1: not a report"), std::string::npos) << error;
}
