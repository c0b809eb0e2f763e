#pragma once

#include "model/CodeplugImage.h"

#include <array>
#include <string>
#include <string_view>

namespace program::features {

// The radio's own MSK ID code and its call list of nine codes; each code is up to
// four hexadecimal characters.
struct Msk {
    static constexpr std::size_t CodeLength = 4;
    static constexpr std::size_t CallCount = 9;

    std::string idCode;
    std::array<std::string, CallCount> calls;

    friend bool operator==(const Msk&, const Msk&) = default;
};

Msk loadMsk(const CodeplugImage& image);
// Writes the ID code and the nine entries, each padded with 0xFF.
void storeMsk(const Msk& values, CodeplugImage& image);

// Up to four of 0-9 and A-F, as the dialog's edits take them.
bool isMskCode(std::string_view text);

} // namespace program::features
