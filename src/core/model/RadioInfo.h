#pragma once

#include "model/CodeplugImage.h"

#include <cstdint>

namespace program {

// The radio type index at 0xFE1. It travels with the image; no editor changes it.
std::uint8_t radioType(const CodeplugImage& image);

// Whether the radio password (six bytes from 0xFE2, erased when none) is set.
bool hasRadioPassword(const CodeplugImage& image);

} // namespace program
