#pragma once

#include "CommandLine.h"
#include "app/ProgramState.h"
#include "channels/Document.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace program::cli {

// One document as a verb holds it: the run's program-wide values are its own, and
// no radio type is kept between runs, so a new document starts with the one given.
struct Workspace {
    explicit Workspace(Language language = Language::English, std::uint8_t newType = 0)
        : radioType(newType) {
        state.language = language;
    }

    ProgramState state;
    FixedRadioType radioType;
    Document document{state, radioType};
};

// Exit statuses of program-cli.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1; // one line on stderr says what and why
inline constexpr int ExitUsage = 2;

using Words = std::vector<std::string>;

// Each verb takes the words after its name and returns the exit status.
int runNew(const Words& words);
int runChannels(const Words& words);
int runSaveAs(const Words& words);
int runEdit(const Words& words);
int runInfo(const Words& words);
int runSort(const Words& words);
int runOffset(const Words& words);
int runRead(const Words& words);
int runWrite(const Words& words);
int runService(const Words& words);
int runDoctor(const Words& words);
int runFleet(const Words& words);
int runPrint(const Words& words);
int runExportCsv(const Words& words);
int runImportCsv(const Words& words);

int runSettings(const Words& words);
int runSet(const Words& words);
int runDiff(const Words& words);
int runCompare(const Words& words);

// Prints the differences of `b` from `a` as `diff` does, one line each; returns 0
// when there are none, 1 otherwise.
int printDifferences(const CodeplugImage& a, const CodeplugImage& b, Language language, bool bytes);

// Prints "program-cli: <text>" on stderr and returns the status given.
int fail(int status, const std::string& text);

// Parses a verb's words: exactly `positionals` file names and arguments (or at
// least that many with `orMore`). On a usage error prints it, sets `status` and
// returns nothing.
std::optional<CommandLine> parseVerb(const char* verb, const Words& words, const OptionSet& options,
                                     std::size_t positionals, const char* usage, int& status,
                                     bool orMore = false);
// The --service-code option as Parameter Adjust's password dialog takes it (letter
// case does not matter): whether it was given and right. A wrong code, or none
// where `required`, prints the refusal and sets `status` to a failure.
bool serviceCodeGiven(const char* verb, const CommandLine& line, bool required, int& status);
// The --lang option (en, the default, or zh); a usage error otherwise.
std::optional<Language> languageOption(const char* verb, const CommandLine& line, int& status);

} // namespace program::cli
