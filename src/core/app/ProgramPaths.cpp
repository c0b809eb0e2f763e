#include "app/ProgramPaths.h"

#include "io/AtomicFile.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include <unistd.h>

// Where the installed program's shared files are, seen from its bin folder; the
// build sets it from the install layout.
#ifndef PROGRAM_SHARE_FROM_BIN
#define PROGRAM_SHARE_FROM_BIN "../share/program"
#endif

namespace program {

namespace {

namespace fs = std::filesystem;

bool isFile(const fs::path& path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(path, error);
}

// A settings file the program may keep: the user can write it, and its folder
// takes the temporary file a save renames over it.
bool isWritableSettings(const fs::path& path) {
    return isFile(path) && ::access(path.c_str(), W_OK) == 0 && canReplaceFile(path);
}

} // namespace

fs::path ProgramPaths::resource(const fs::path& name) const {
    for (const fs::path& folder : {executableFolder, sharedFolder}) {
        if (!folder.empty() && isFile(folder / name))
            return folder / name;
    }
    return (portable || sharedFolder.empty() ? executableFolder : sharedFolder) / name;
}

fs::path ProgramPaths::settingsToRead() const {
    if (portable || isFile(settingsFile))
        return settingsFile;
    return defaultSettings;
}

fs::path userConfigFolder() {
    // Relative values are ignored, as the desktop's base-directory rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
        return fs::path(config);
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return fs::path(home) / ".config";
    return {};
}

ProgramPaths locateProgramFiles(const fs::path& executable, const fs::path& configFolder) {
    ProgramPaths paths;
    std::error_code error;
    fs::path absolute = fs::absolute(executable, error);
    if (error)
        absolute = executable;
    paths.executableFolder = absolute.parent_path();
    paths.sharedFolder = (paths.executableFolder / PROGRAM_SHARE_FROM_BIN).lexically_normal();

    const fs::path beside = paths.executableFolder / SettingsFileName;
    if (isWritableSettings(beside)) {
        paths.portable = true;
        paths.settingsFile = beside;
        return paths;
    }
    if (!configFolder.empty())
        paths.settingsFile = configFolder / UserFolderName / SettingsFileName;
    if (isFile(beside))
        paths.defaultSettings = beside;
    else if (isFile(paths.sharedFolder / SettingsFileName))
        paths.defaultSettings = paths.sharedFolder / SettingsFileName;
    return paths;
}

std::optional<std::string> createUserSettings(const ProgramPaths& paths) {
    if (paths.portable || isFile(paths.settingsFile))
        return std::nullopt;
    if (paths.settingsFile.empty())
        return std::string("no home folder is known");
    std::string content;
    if (!paths.defaultSettings.empty()) {
        auto bytes = readWholeFile(paths.defaultSettings);
        if (!bytes)
            return "cannot read " + paths.defaultSettings.string();
        content = std::move(*bytes);
    }
    std::error_code error;
    fs::create_directories(paths.settingsFile.parent_path(), error);
    if (error)
        return error.message();
    // Written whole or not at all: a half-made file would hide the default for good.
    return replaceFileAtomically(paths.settingsFile, content);
}

std::optional<std::string> readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in || !isFile(path))
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(bytes).str();
}

} // namespace program
