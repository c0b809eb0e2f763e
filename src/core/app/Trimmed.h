#pragma once

#include <string_view>

namespace program {

// Blanks, tabs and line ends: what a line of a settings file, a system file or a
// typed value may carry around its text.
inline constexpr std::string_view WhiteSpace = " \t\r\n\v\f";

// `text` without the `blanks` at its start and end.
inline std::string_view trimmed(std::string_view text, std::string_view blanks = WhiteSpace) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace program
