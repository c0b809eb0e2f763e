#include "model/DatFile.h"

#include "io/AtomicFile.h"
#include "io/FileDescriptor.h"

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
    auto bytes = image.bytes();
    const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (auto reason = replaceFileAtomically(path, content))
        return DatFileError{DatFileError::Kind::CannotWrite, path, *reason};
    return std::nullopt;
}

} // namespace program
