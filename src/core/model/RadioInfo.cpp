#include "model/RadioInfo.h"

#include "model/ImageMap.h"

namespace program {

std::uint8_t radioType(const CodeplugImage& image) {
    return image.at(imagemap::RadioType);
}

bool hasRadioPassword(const CodeplugImage& image) {
    return image.at(imagemap::Password.offset) != 0xFF;
}

} // namespace program
