#pragma once

#include "app/ProgramState.h"
#include "channels/ChannelTable.h"
#include "model/CodeplugImage.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace program::cli {

// A codeplug as the desktop program holds an open document: the image, the grid
// texts decoded from it and the program-wide values decoding set.
struct CliDocument {
    CodeplugImage image;
    ChannelTable table;
    ProgramState state;

    // File New: factory defaults with the new-document values, `radioType` at 0xFE1.
    static CliDocument createNew(std::uint8_t radioType, Language language = Language::English);
    // File Open: the file's bytes decoded as an opened document. On failure `error`
    // holds a one-line reason.
    static std::optional<CliDocument> open(const std::filesystem::path& path, std::string& error,
                                           Language language = Language::English);
    // An image decoded as after a completed read or an open.
    static CliDocument fromImage(const CodeplugImage& image, Language language);

    // The image as Save leaves it: the grid encoded into it.
    CodeplugImage imageForSave() const;
    // Save / Save As; on failure `error` holds a one-line reason.
    bool save(const std::filesystem::path& path, std::string& error) const;
};

} // namespace program::cli
