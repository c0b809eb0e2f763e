#include "model/CodeplugImage.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace program {

namespace {
void checkRange(std::size_t offset, std::size_t length) {
    if (offset > CodeplugImage::Size || length > CodeplugImage::Size - offset)
        throw std::out_of_range("codeplug range " + std::to_string(offset) + "+" +
                                std::to_string(length) + " is outside the image");
}
} // namespace

CodeplugImage::CodeplugImage() {
    m_bytes.fill(0xFF);
}

std::uint8_t CodeplugImage::at(std::size_t offset) const {
    checkRange(offset, 1);
    return m_bytes[offset];
}

void CodeplugImage::set(std::size_t offset, std::uint8_t value) {
    checkRange(offset, 1);
    m_bytes[offset] = value;
}

std::span<const std::uint8_t> CodeplugImage::range(std::size_t offset, std::size_t length) const {
    checkRange(offset, length);
    return std::span<const std::uint8_t>(m_bytes).subspan(offset, length);
}

std::span<std::uint8_t> CodeplugImage::range(std::size_t offset, std::size_t length) {
    checkRange(offset, length);
    return std::span<std::uint8_t>(m_bytes).subspan(offset, length);
}

void CodeplugImage::write(std::size_t offset, std::span<const std::uint8_t> bytes) {
    auto target = range(offset, bytes.size());
    std::copy(bytes.begin(), bytes.end(), target.begin());
}

} // namespace program
