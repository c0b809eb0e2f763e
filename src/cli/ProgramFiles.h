#pragma once

#include "app/ProgramPaths.h"
#include "link/PortNames.h"

#include <string>

namespace program::cli {

// Where this program-cli finds its Program.ini: the desktop program's own rules,
// from the folder of the running executable.
ProgramPaths programPaths();

// The port overrides of the "Ports" section of the Program.ini the desktop program
// uses: beside this program, or the user's own when installed.
PortOverrides overridesOfProgramSettings();

// The Program.ini in use and whose it is ("... (beside the program)"), or "none (...)".
std::string settingsInUse();
std::string programVersion();

// `program-cli --version`: the version and the settings file in use.
int printVersion();

} // namespace program::cli
