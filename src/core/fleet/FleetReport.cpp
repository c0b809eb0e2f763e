#include "fleet/FleetReport.h"

#include "exchange/Delimited.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace program::fleet {

namespace {

// A report that grows past this is no report of ours; it is not read.
constexpr off_t MaxReportSize = 64 << 20;
// Room kept for the lines of a run, so that a nearly full disk is found at the start.
constexpr off_t ReservedBytes = 64 << 10;
constexpr const char* LineEnd = "\r\n";

std::string systemReason() {
    return std::strerror(errno);
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::optional<std::string> readAll(int fd, off_t size) {
    std::string text;
    text.reserve(static_cast<std::size_t>(size));
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > static_cast<std::size_t>(MaxReportSize)) {
            errno = EFBIG;
            return std::nullopt;
        }
    }
}

} // namespace

const std::vector<std::string>& reportColumns() {
    static const std::vector<std::string> columns{"time",   "port",    "label",    "values",
                                                  "backup", "written", "verified", "message"};
    return columns;
}

std::string reportRecord(const ReportLine& line) {
    return delimitedRecord({line.time, line.port, line.label, line.values, line.backup,
                            line.written ? "yes" : "no", line.verified, line.message},
                           ',');
}

ReportHistory readReportHistory(std::string_view text) {
    ReportHistory history;
    const DelimitedText table = readDelimited(text, ',');
    if (!table.readWhole()) {
        history.failure = table.failure.english;
        history.failureLine = table.failureLine;
        return history;
    }
    if (table.records.empty())
        return history;
    const auto& columns = reportColumns();
    const DelimitedRecord& header = table.records.front();
    if (header.fields != columns) {
        history.failure = "not a report of radios programmed: its first line is not " +
                          delimitedRecord(columns, ',');
        history.failureLine = header.line;
        return history;
    }
    auto column = [&](std::string_view name) {
        return static_cast<std::size_t>(std::find(columns.begin(), columns.end(), name) -
                                        columns.begin());
    };
    const std::size_t label = column("label"), written = column("written"),
                      verified = column("verified");
    for (std::size_t r = 1; r < table.records.size(); ++r) {
        // A line cut short by a crash while it was written tells nothing.
        const auto& fields = table.records[r].fields;
        if (fields.size() < columns.size())
            continue;
        ReportLine line;
        line.label = fields[label];
        line.written = fields[written] == "yes";
        line.verified = fields[verified];
        if (line.done())
            history.done.insert(line.label);
        int number = 0;
        const auto [end, error] =
            std::from_chars(line.label.data(), line.label.data() + line.label.size(), number);
        if (error == std::errc() && end == line.label.data() + line.label.size())
            history.highestNumber = std::max(history.highestNumber, number);
    }
    return history;
}

std::unique_ptr<ReportFile> ReportFile::open(const std::filesystem::path& path,
                                             std::string& error) {
    auto failed = [&](const std::string& why) {
        error = "cannot write the report " + path.string() + ": " + why;
        return nullptr;
    };
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return failed(systemReason());
    std::unique_ptr<ReportFile> report(new ReportFile(path, fd));
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return failed(systemReason());
    if (!S_ISREG(info.st_mode))
        return failed("not a regular file");
    if (info.st_size > MaxReportSize)
        return failed("it is " + std::to_string(info.st_size) + " bytes long; start a new one");
    auto text = readAll(fd, info.st_size);
    if (!text)
        return failed(systemReason());
    report->m_history = readReportHistory(*text);
    if (!report->m_history.ok()) {
        error = path.string() + ": line " + std::to_string(report->m_history.failureLine) + ": " +
                report->m_history.failure;
        return nullptr;
    }

    off_t end = info.st_size;
    if (end == 0) {
        const std::string header = delimitedRecord(reportColumns(), ',') + LineEnd;
        if (!writeAll(fd, header) || ::fsync(fd) != 0) {
            const std::string why = systemReason();
            if (::ftruncate(fd, 0) != 0) {
                // Nothing more can be done; the reason is told all the same.
            }
            return failed(why);
        }
        end = static_cast<off_t>(header.size());
    } else if (!text->empty() && text->back() != '\n' && text->back() != '\r') {
        // A line that a crash cut off ends here, so the next one starts on its own line.
        if (!writeAll(fd, LineEnd))
            return failed(systemReason());
        end += 2;
    }
    // Room for the run's lines is taken and given back: a disk too full for them (or a
    // limit on the file's size) says so now. Where the file system cannot do that, the
    // first radio's line is the first to find out.
    if (::fallocate(fd, 0, end, ReservedBytes) != 0) {
        if (errno != EOPNOTSUPP && errno != ENOSYS)
            return failed(systemReason());
    } else if (::ftruncate(fd, end) != 0) {
        return failed(systemReason());
    }
    return report;
}

std::string ReportFile::append(const ReportLine& line) {
    const std::string record = reportRecord(line) + LineEnd;
    std::lock_guard lock(m_mutex);
    if (!writeAll(m_fd.get(), record) || ::fsync(m_fd.get()) != 0)
        return systemReason();
    return {};
}

} // namespace program::fleet
