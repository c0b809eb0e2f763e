#pragma once

#include "app/ProgramPaths.h"
#include "link/PortNames.h"

namespace program::cli {

// Where this program-cli finds its Program.ini: the desktop program's own rules,
// from the folder of the running executable.
ProgramPaths programPaths();

// The port overrides of the "Ports" section of the Program.ini the desktop program
// uses: beside this program, or the user's own when installed.
PortOverrides overridesOfProgramSettings();

// `program-cli --version`: the version and the settings file in use.
int printVersion();

} // namespace program::cli
