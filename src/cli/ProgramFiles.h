#pragma once

#include "app/ProgramPaths.h"

namespace program::cli {

// Where this program-cli finds its Program.ini: the desktop program's own rules,
// from the folder of the running executable.
ProgramPaths programPaths();

// `program-cli --version`: the version and the settings file in use.
int printVersion();

} // namespace program::cli
