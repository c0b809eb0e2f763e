#include "model/RadioInfo.h"

namespace program {

namespace {
constexpr std::size_t RadioTypeOffset = 0xFE1;
constexpr std::size_t PasswordOffset = 0xFE2;
} // namespace

std::uint8_t radioType(const CodeplugImage& image) {
    return image.at(RadioTypeOffset);
}

bool hasRadioPassword(const CodeplugImage& image) {
    return image.at(PasswordOffset) != 0xFF;
}

} // namespace program
