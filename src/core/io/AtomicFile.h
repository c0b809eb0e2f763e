#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace program {

// Replaces the file at `path` with `content`: writes a temporary file in the same
// folder, syncs it, renames it over the target and syncs the folder, so a crash, a
// power cut or a full disk leaves either the old file or the new one, never a mixture. The file
// keeps its permissions (a new one gets 0666 less the umask) and a symbolic link stays a link: its
// target is replaced. Returns the system's reason on failure; the old file is then untouched and no
// temporary file is left behind.
std::optional<std::string> replaceFileAtomically(const std::filesystem::path& path,
                                                 std::string_view content);

// Whether a replacement of `path` could be made now: the folder of the file (of a
// link's target) takes new files.
bool canReplaceFile(const std::filesystem::path& path);

} // namespace program
