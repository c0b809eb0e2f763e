#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace program {

// The character at `pos` of a UTF-8 text. A byte that does not start a well-formed
// sequence counts as one character whose code is the byte itself, so any byte
// string can be walked.
struct Utf8Char {
    char32_t code = 0;
    std::size_t length = 1;
};
Utf8Char utf8CharAt(std::string_view text, std::size_t pos);

void appendUtf8(std::string& text, char32_t code);

// The first `count` characters of the text.
std::string_view utf8Prefix(std::string_view text, std::size_t count);

} // namespace program
