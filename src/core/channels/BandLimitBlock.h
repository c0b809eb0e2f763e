#pragma once

#include "app/ProgramState.h"
#include "model/CodeplugImage.h"
#include "model/ImageMap.h"

#include <array>
#include <cstddef>

namespace program {

// The band-limit block 0xFF0-0xFF5: the four limits in whole MHz, three BCD digits
// each, packed as
//   0xFF0 V1h V1t   0xFF1 V2h V2t   0xFF2 V1u V2u
//   0xFF3 U1h U1t   0xFF4 U2h U2t   0xFF5 U1u U2u
// (V1/V2 lower/upper limit of the V band, U1/U2 of the U band; h, t, u hundreds,
// tens, units). 136, 174, 400, 480 MHz is 13 17 64 40 48 00.

BandLimits readBandLimitBlock(const CodeplugImage& image);
// Limits are written in whole MHz (cut toward zero).
void writeBandLimitBlock(const BandLimits& limits, CodeplugImage& image);

// The band shadow in the identity block, 0xFD4-0xFDB: the same four limits as
// 16-bit little-endian MHz values.
void writeBandShadow(const BandLimits& limits, CodeplugImage& image);

// The limits a new document starts with: 136-174 MHz and 400-520 MHz.
BandLimits newDocumentBandLimits();

} // namespace program
