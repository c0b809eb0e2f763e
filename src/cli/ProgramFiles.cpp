#include "ProgramFiles.h"

#include "Verbs.h"

#include "app/IniFile.h"

#include <cstdio>
#include <filesystem>
#include <string>

#ifndef PROGRAM_VERSION
#define PROGRAM_VERSION "unknown"
#endif

namespace program::cli {

ProgramPaths programPaths() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return locateProgramFiles(ec ? std::filesystem::path() : exe, userConfigFolder());
}

// The port overrides of the "Ports" section of the Program.ini the desktop program
// uses: beside this program, or the user's own when installed.
PortOverrides overridesOfProgramSettings() {
    const auto ini = programPaths().settingsToRead();
    std::error_code ec;
    if (ini.empty() || !std::filesystem::is_regular_file(ini, ec))
        return {};
    IniFile settings;
    if (!settings.Load(ini))
        return {};
    return portOverridesFrom(settings);
}

int printVersion() {
    const ProgramPaths paths = programPaths();
    const std::filesystem::path settings = paths.settingsToRead();
    std::string where;
    if (paths.portable)
        where = settings.string() + " (beside the program)";
    else if (!settings.empty() && settings == paths.settingsFile)
        where = settings.string() + " (the user's own)";
    else if (!settings.empty())
        where = settings.string() + " (the installed default; the desktop program makes " +
                paths.settingsFile.string() + " from it at its first start)";
    else
        where = "none (looked for " + paths.settingsFile.string() + ")";
    std::printf("program-cli %s\nsettings: %s\n", PROGRAM_VERSION, where.c_str());
    return ExitOk;
}

} // namespace program::cli
