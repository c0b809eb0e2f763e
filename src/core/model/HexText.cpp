#include "model/HexText.h"

namespace program {

std::string hexText(std::span<const std::uint8_t> bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        if (!text.empty())
            text += ' ';
        text += Digits[b >> 4];
        text += Digits[b & 0x0F];
    }
    return text;
}

} // namespace program
