#pragma once

#include "io/FileDescriptor.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace program::fleet {

// One radio's line of the report.
struct ReportLine {
    std::string time; // local time, "2026-12-10 21:30:05"
    std::string port;
    std::string label;
    std::string values; // as describeValues() lists them
    std::string backup; // the backup file, empty when none was made
    bool written = false;
    // "yes"; "no" when the read-back found a difference or could not end; empty when
    // the write was not verified.
    std::string verified;
    std::string message; // what went wrong, empty when nothing did

    // A radio counts as done once written, unless its verify found a difference.
    bool done() const { return written && verified != "no"; }
};

// The columns of the report, its first line.
const std::vector<std::string>& reportColumns();
std::string reportRecord(const ReportLine& line);

// What an earlier run left in a report: the labels that are done, and the highest
// running number given to a radio when there was no values file.
struct ReportHistory {
    std::set<std::string> done;
    int highestNumber = 0;
    std::string failure; // why the text is no report; empty when it is one
    int failureLine = 0;

    bool ok() const { return failure.empty(); }
};

ReportHistory readReportHistory(std::string_view text);

// The report file of a run, held open for appending. Each line is synced before
// append() returns, so a crash or a pulled plug loses no radio that was reported.
class ReportFile {
public:
    // Opens (or creates, with the column line) the report and reads what it holds.
    // Whether lines can be added is found out now, before any radio is touched: a
    // new report's first line is written and synced, room for more is reserved
    // for an old one. On failure returns nothing and sets `error`.
    static std::unique_ptr<ReportFile> open(const std::filesystem::path& path, std::string& error);

    const ReportHistory& history() const { return m_history; }
    const std::filesystem::path& path() const { return m_path; }

    // Appends the line and syncs it; returns the system's reason when it could not.
    // Safe to call from several threads.
    std::string append(const ReportLine& line);

private:
    ReportFile(std::filesystem::path path, int fd) : m_path(std::move(path)), m_fd(fd) {}

    std::filesystem::path m_path;
    FileDescriptor m_fd;
    ReportHistory m_history;
    std::mutex m_mutex;
};

} // namespace program::fleet
