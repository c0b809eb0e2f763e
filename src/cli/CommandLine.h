#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace program::cli {

// A verb's words after the verb itself: options may stand before or after the
// file names. "--name value" and "--name=value" both work for valued options.
struct CommandLine {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // the last value of each option
    // Every option as given, in order, for options that may be given more than once.
    std::vector<std::pair<std::string, std::string>> given;

    bool has(const std::string& name) const { return options.count(name) != 0; }
    std::string value(const std::string& name, const std::string& fallback = {}) const;
    std::vector<std::string> values(const std::string& name) const;
};

struct OptionSet {
    std::set<std::string> valued; // e.g. "--type"
    std::set<std::string> flags;  // e.g. "--enter"
};

// Returns the parsed words, or sets `error` to a one-line usage message.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& words,
                                            const OptionSet& accepted, std::string& error);

// Parses a whole decimal number in [low, high]; nothing else is accepted.
std::optional<long> parseNumber(const std::string& text, long low, long high);

} // namespace program::cli
