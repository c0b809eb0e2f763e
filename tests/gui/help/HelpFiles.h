#pragma once

#include "support/GuiTestMain.h"

#include <QString>

// The help files as the build places them beside the program.
QString builtHelpFile(const char* name);
inline const char* const HelpFileNames[] = {"enHelp.qch", "chHelp.qch"};
