#include "io/AtomicFile.h"
#include "io/FileDescriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace program {

namespace {

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

mode_t modeFor(const std::filesystem::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a replacement writes: the path itself, or the target of a link.
std::filesystem::path replacementTarget(const std::filesystem::path& path, std::error_code& error) {
    // A path that does not exist yet is no link.
    std::error_code noFile;
    if (std::filesystem::is_symlink(path, noFile))
        return std::filesystem::weakly_canonical(path, error);
    return path;
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// Makes the rename itself survive a power cut: until the folder reaches the disk, the
// folder may still name the old file (or none). The file is already in place when
// this runs, so a folder that cannot be synced is no failure of the save.
void syncFolder(const std::filesystem::path& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

} // namespace

bool canReplaceFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path target = replacementTarget(path, error);
    return !error && ::access(folderOf(target).c_str(), W_OK | X_OK) == 0;
}

std::optional<std::string> replaceFileAtomically(const std::filesystem::path& path,
                                                 std::string_view content) {
    std::error_code error;
    const std::filesystem::path target = replacementTarget(path, error);
    if (error)
        return error.message();
    const std::filesystem::path folder = folderOf(target);
    // Built by appending: g++ 12 at -O2 misreads `"." + string` as an overlapping copy.
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string temporary = (folder / name).string();
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return std::string(std::strerror(errno));

    const bool written = ::fchmod(fd.get(), modeFor(target)) == 0 && writeAll(fd.get(), content) &&
                         ::fsync(fd.get()) == 0 && fd.close() &&
                         ::rename(temporary.c_str(), target.c_str()) == 0;
    if (written) {
        syncFolder(folder);
        return std::nullopt;
    }
    const int reason = errno;
    ::unlink(temporary.c_str());
    return std::string(std::strerror(reason));
}

} // namespace program
