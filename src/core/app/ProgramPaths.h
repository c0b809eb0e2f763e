#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace program {

inline constexpr const char* SettingsFileName = "Program.ini";
// The folder of the user's own files under the configuration and data folders
// (the backups of reads already live in <data folder>/Program).
inline constexpr const char* UserFolderName = "Program";

// Where one run of the program finds its files. The desktop program and
// program-cli both ask here, so they agree on the settings file in use.
//
// Portable: the folder of the executable holds a Program.ini the user can write
// (the build folder, a copy on a memory stick). Settings, language packs, help
// files and pictures are all beside the executable, as they always were.
//
// Installed: the executable sits in <prefix>/bin and cannot keep its settings
// there. The settings are the user's own, <config folder>/Program/Program.ini,
// made from the read-only default on the first start; packs, help files and
// pictures are looked for beside the executable first, then in
// <prefix>/share/program.
struct ProgramPaths {
    std::filesystem::path executableFolder;
    std::filesystem::path sharedFolder; // <prefix>/share/program, found from the executable
    std::filesystem::path settingsFile; // the Program.ini this run reads and writes
    // What a new per-user settings file is made from: a Program.ini beside the
    // executable that the user cannot write, else the installed one. Empty when
    // portable or when there is none.
    std::filesystem::path defaultSettings;
    bool portable = false;

    // The file `name` beside the executable, else in the shared folder. When
    // neither holds it: where it belongs (beside the executable when portable,
    // in the shared folder when installed), so a message can name that path.
    std::filesystem::path resource(const std::filesystem::path& name) const;

    // The settings as they stand, without making anything: the per-user file once
    // it exists, else the default it will be made from. Empty when there is none.
    std::filesystem::path settingsToRead() const;
};

// $XDG_CONFIG_HOME when it names an absolute folder, else $HOME/.config; empty
// when neither is known.
std::filesystem::path userConfigFolder();

// Decides the paths for the executable at `executable`, with the user's
// configuration folder `configFolder` (userConfigFolder() outside tests).
ProgramPaths locateProgramFiles(const std::filesystem::path& executable,
                                const std::filesystem::path& configFolder);

// Makes the per-user settings file from the default when it does not exist yet,
// creating its folder. Nothing to do when portable or when the file is there.
// Without a default the file starts empty. Returns the reason on failure.
std::optional<std::string> createUserSettings(const ProgramPaths& paths);

// The bytes of a whole file; nullopt when it cannot be read. Never creates it.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

} // namespace program
