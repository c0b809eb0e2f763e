#include "exchange/CsvFile.h"

#include "io/AtomicFile.h"
#include "io/FileDescriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace program {

namespace {

CsvFileText failed(const std::filesystem::path& path, const std::string& reason) {
    CsvFileText result;
    result.failure = {"Cannot read " + path.string() + ": " + reason,
                      "无法读取 " + path.string() + "：" + reason};
    return result;
}

} // namespace

CsvFileText readCsvFile(const std::filesystem::path& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return failed(path, std::strerror(errno));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return failed(path, std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return failed(path, "it is not a file");
    if (static_cast<std::uintmax_t>(info.st_size) > MaxCsvFileSize) {
        CsvFileText result;
        const std::string size = std::to_string(info.st_size);
        result.failure = {path.string() + " is " + size +
                              " bytes long, far more than a channel list; it is not read.",
                          path.string() + " 有 " + size + " 字节，远大于信道列表，不予读取。"};
        return result;
    }
    CsvFileText result;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(path, std::strerror(errno));
        if (n == 0)
            break;
        result.text.append(buffer, static_cast<std::size_t>(n));
        // A file that grows while it is read is read no further than the limit.
        if (result.text.size() > MaxCsvFileSize)
            return failed(path, "it grew while it was read");
    }
    return result;
}

BilingualText writeCsvFile(const std::filesystem::path& path, std::string_view text) {
    if (const auto reason = replaceFileAtomically(path, text))
        return {"Cannot save " + path.string() + ": " + *reason,
                "无法保存 " + path.string() + "：" + *reason};
    return {};
}

} // namespace program
