#pragma once

#include "app/ProgramState.h"

#include <QString>

// Texts of the shell that the program carries itself in both languages (they do
// not come from the language pack), chosen by the language of the run.
enum class ShellText {
    LoadLanguagePackFailed,
    ChannelInformation,
    OptionalFeatures,
    SoftwareInfo,
};

QString shellText(ShellText text, program::Language language);
