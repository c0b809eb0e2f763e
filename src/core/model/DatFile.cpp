#include "model/DatFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace program {

namespace {

std::string systemReason(int err) {
    return std::strerror(err);
}

// Closes a descriptor on every path out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    int release() {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const std::uint8_t* data, std::size_t length) {
    while (length > 0) {
        ssize_t n = ::write(fd, data, length);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        length -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string describe(const DatFileError& error) {
    const std::string name = error.path.string();
    switch (error.kind) {
    case DatFileError::Kind::CannotOpen:
        return "cannot open " + name + ": " + error.detail;
    case DatFileError::Kind::WrongLength:
        return name + " is " + std::to_string(error.foundLength) +
               " bytes long; a codeplug file must be exactly " +
               std::to_string(CodeplugImage::Size) + " bytes";
    case DatFileError::Kind::ReadFailed:
        return "cannot read " + name + ": " + error.detail;
    case DatFileError::Kind::CannotWrite:
        return "cannot save " + name + ": " + error.detail;
    }
    return name;
}

DatLoadResult loadDatFile(const std::filesystem::path& path) {
    using Kind = DatFileError::Kind;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return {std::nullopt, DatFileError{Kind::CannotOpen, path, systemReason(errno)}};

    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return {std::nullopt, DatFileError{Kind::ReadFailed, path, systemReason(errno)}};
    if (S_ISDIR(info.st_mode))
        return {std::nullopt, DatFileError{Kind::CannotOpen, path, "it is a folder"}};
    if (!S_ISREG(info.st_mode) || static_cast<std::uintmax_t>(info.st_size) != CodeplugImage::Size)
        return {
            std::nullopt,
            DatFileError{Kind::WrongLength, path, {}, static_cast<std::uintmax_t>(info.st_size)}};

    CodeplugImage image;
    auto bytes = image.bytes();
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {std::nullopt, DatFileError{Kind::ReadFailed, path, systemReason(errno)}};
        if (n == 0) // the file shrank while we read it
            return {std::nullopt, DatFileError{Kind::WrongLength, path, {}, done}};
        done += static_cast<std::size_t>(n);
    }
    return {image, std::nullopt};
}

std::optional<DatFileError> saveDatFile(const std::filesystem::path& path,
                                        const CodeplugImage& image) {
    using Kind = DatFileError::Kind;
    std::filesystem::path folder = path.parent_path();
    if (folder.empty())
        folder = ".";
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();

    FileDescriptor fd(::mkstemp(pattern.data()));
    if (fd.get() < 0)
        return DatFileError{Kind::CannotWrite, path, systemReason(errno)};
    const std::string temporary = pattern;

    // Keep the permissions of a file we replace; a new file gets the usual 0666 & ~umask.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd.get(), old.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd.get(), 0666 & ~mask);
    }

    auto bytes = image.bytes();
    if (!writeAll(fd.get(), bytes.data(), bytes.size()) || ::fsync(fd.get()) != 0) {
        int err = errno;
        ::unlink(temporary.c_str());
        return DatFileError{Kind::CannotWrite, path, systemReason(err)};
    }
    if (::close(fd.release()) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(temporary.c_str());
        return DatFileError{Kind::CannotWrite, path, systemReason(err)};
    }
    return std::nullopt;
}

} // namespace program
