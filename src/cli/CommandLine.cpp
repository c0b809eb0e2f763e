#include "CommandLine.h"

#include <charconv>

namespace program::cli {

std::string CommandLine::value(const std::string& name, const std::string& fallback) const {
    auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

std::vector<std::string> CommandLine::values(const std::string& name) const {
    std::vector<std::string> found;
    for (const auto& [option, value] : given) {
        if (option == name)
            found.push_back(value);
    }
    return found;
}

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& words,
                                            const OptionSet& accepted, std::string& error) {
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word.rfind("--", 0) != 0) {
            line.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = word;
        std::optional<std::string> inlineValue;
        if (auto eq = word.find('='); eq != std::string::npos) {
            name = word.substr(0, eq);
            inlineValue = word.substr(eq + 1);
        }
        if (accepted.flags.count(name)) {
            if (inlineValue) {
                error = "option " + name + " takes no value";
                return std::nullopt;
            }
            line.options[name] = "";
            line.given.emplace_back(name, "");
        } else if (accepted.valued.count(name)) {
            if (!inlineValue) {
                if (i + 1 >= words.size()) {
                    error = "option " + name + " needs a value";
                    return std::nullopt;
                }
                inlineValue = words[++i];
            }
            line.options[name] = *inlineValue;
            line.given.emplace_back(name, *inlineValue);
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
    }
    return line;
}

std::optional<long> parseNumber(const std::string& text, long low, long high) {
    long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace program::cli
