#pragma once

#include "app/BilingualText.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace program {

// A channel list of 129 rows is a few kilobytes; a file far larger is no channel
// list and is not read into memory.
inline constexpr std::size_t MaxCsvFileSize = 1 << 20;

struct CsvFileText {
    std::string text;
    // Set when the file could not be read whole; `text` is then empty.
    BilingualText failure;

    bool readWhole() const { return failure.english.empty(); }
};

CsvFileText readCsvFile(const std::filesystem::path& path);

// Replaces the file atomically; returns why it could not, or an empty text.
BilingualText writeCsvFile(const std::filesystem::path& path, std::string_view text);

} // namespace program
