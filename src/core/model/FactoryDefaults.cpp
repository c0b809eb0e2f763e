#include "model/FactoryDefaults.h"

#include "model/ImageMap.h"

#include <cstdint>
#include <initializer_list>

namespace program {

namespace {

void put(CodeplugImage& image, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes)
        image.set(offset++, b);
}

// The squelch table less the two bytes from SquelchFixedBytes, which are stored
// on their own.
constexpr std::uint8_t kSquelchTable[18] = {0x25, 0x25, 0x26, 0x27, 0x25, 0x1B, 0x19, 0x18, 0x17,
                                            0x17, 0x17, 0x16, 0x16, 0x15, 0x14, 0x13, 0x11, 0x13};
// The parameter block from its fourth byte.
constexpr std::uint8_t kParameterRun[16] = {0x3E, 0x41, 0x41, 0x42, 0x1E, 0x1E, 0x2C, 0x2E,
                                            0x50, 0x51, 0x52, 0x53, 0x1E, 0x20, 0x1E, 0x20};

constexpr std::size_t SquelchFixedBytes = imagemap::SquelchFixed.offset;
constexpr std::size_t ParameterRunStart = imagemap::ParameterBlock.offset + 3;

} // namespace

CodeplugImage factoryDefaults() {
    using namespace imagemap;
    CodeplugImage image; // erased: every byte 0xFF

    // Optional features; the third flag byte stays erased.
    put(image, OptionalFeatures.offset,
        {0x01, 0x04, 0x00, 0x00, 0x00, 0xBE, 0x13, 0x7A, 0x00, 0x00});
    put(image, FeatureFlags.offset, {0xFD, 0x00});
    put(image, FeatureFlags.offset + 3, {0x01});

    // DTMF timing and codes.
    put(image, Dtmf.offset, {0x00, 0x04, 0x00, 0x00});
    put(image, Dtmf.offset + 5, {0x01});
    put(image, DtmfGroupCode, {0x41});
    put(image, DtmfTail, {0x00});

    // 2-Tone encode list, decode entries and encode timing.
    for (std::size_t entry = 0; entry < TwoToneEncodeEntryCount; ++entry)
        put(image, TwoToneEncodeList.offset + entry * TwoToneEncodeEntrySize,
            {0x4E, 0x20, 0x27, 0x10});
    for (std::size_t entry = 0; entry < TwoToneDecodeEntryCount; ++entry)
        put(image, TwoToneDecodeEntries.offset + entry * TwoToneDecodeEntrySize,
            {0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05});
    put(image, TwoToneEncodeTiming.offset, {0x05, 0x05, 0x0A, 0x00, 0x14, 0x00, 0x02, 0x00});

    // Squelch table with its two fixed bytes, then the parameter block.
    std::size_t offset = SquelchTable.offset;
    for (std::uint8_t b : kSquelchTable) {
        if (offset == SquelchFixedBytes)
            offset = SquelchFixedBytes + 2;
        image.set(offset++, b);
    }
    put(image, SquelchFixedBytes, {0x1A, 0x1A});
    put(image, ParameterBlock.offset, {0xFE, 0xDB, 0x0E});
    for (std::size_t i = 0; i < sizeof kParameterRun; ++i)
        image.set(ParameterRunStart + i, kParameterRun[i]);
    put(image, ParameterRunStart + sizeof kParameterRun,
        {0x10, 0x0F, 0x0D, 0x51, 0x00, 0x0B, 0x0B, 0x04});

    // Radio type, band-limit block and squelch threshold bytes.
    put(image, RadioType, {0x00});
    put(image, BandLimitBlock.offset, {0x13, 0x17, 0x64, 0x35, 0x52, 0x00, 0x29, 0x27, 0x22, 0x1E});
    return image;
}

} // namespace program
