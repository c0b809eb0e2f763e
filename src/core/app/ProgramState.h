#pragma once

#include "app/ProgramPaths.h"

#include <cstdint>
#include <string>

namespace program {

enum class Language { English = 0, Chinese = 1 };

// Frequency limits of the two bands in 10 Hz units, checked by the channel grid
// and by the band check before a write.
struct BandLimits {
    std::int64_t vLower = 13600000;
    std::int64_t vUpper = 17400000;
    std::int64_t uLower = 40000000;
    std::int64_t uUpper = 48000000;

    friend bool operator==(const BandLimits&, const BandLimits&) = default;
};

// The values the whole program shares for one run. The application owns one
// instance and passes it by reference; there are no other globals.
struct ProgramState {
    BandLimits bandLimits;
    // Set when a new document has just received its factory defaults; cleared when
    // a file was opened or a read from the radio completed.
    bool newDocument = false;
    Language language = Language::English;
    std::string languageName;     // the "Language" setting, e.g. "English"
    std::string helpFile;         // "enHelp.qch" or "chHelp.qch"
    std::string programDirectory; // folder of the executable, with a trailing '/'
    // The settings file in use, and where the packs, help files and pictures are.
    ProgramPaths paths;
    // The "AppName" setting: the name the user's own settings are kept under, and
    // the file name Save As proposes for a new document.
    std::string userSettingsName;
    std::string messageCaption; // the "Company" setting, caption of message boxes
    int portNumber = 1;         // 1..16
    bool squelchWrite = false;  // the "EnableSql" setting
};

} // namespace program
