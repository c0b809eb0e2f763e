#include "HelpFiles.h"

QString builtHelpFile(const char* name) {
    return QStringLiteral(PROGRAM_BIN_DIR "/") + QLatin1String(name);
}
