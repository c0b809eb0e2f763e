#pragma once

#include "model/CodeplugImage.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace program {

// What went wrong with a .dat file, in a form each front end can word in its own
// language. `detail` is the system's reason (for example "Permission denied").
struct DatFileError {
    enum class Kind { CannotOpen, WrongLength, ReadFailed, CannotWrite };
    Kind kind;
    std::filesystem::path path;
    std::string detail;
    std::uintmax_t foundLength = 0; // for WrongLength
};

// One-line English description, e.g. for program-cli.
std::string describe(const DatFileError& error);

struct DatLoadResult {
    std::optional<CodeplugImage> image;
    std::optional<DatFileError> error;
};

// A codeplug file is exactly the 4096 image bytes with no header. Any other
// length is refused before a byte is read.
DatLoadResult loadDatFile(const std::filesystem::path& path);

// Writes a temporary file in the target's folder and renames it over the target,
// so the old file survives any failure. Returns the error, if any.
std::optional<DatFileError> saveDatFile(const std::filesystem::path& path,
                                        const CodeplugImage& image);

} // namespace program
