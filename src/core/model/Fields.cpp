#include "model/Fields.h"

#include "model/Utf8.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace program::field {

namespace {

constexpr std::uint8_t Erased = 0xFF;

void checkBits(int first, int count) {
    if (first < 0 || count < 1 || first + count > 8)
        throw std::out_of_range("bits " + std::to_string(first) + "+" + std::to_string(count) +
                                " of a byte");
}

void checkRange(std::size_t available, std::size_t at, std::size_t size) {
    if (at > available || size > available - at)
        throw std::out_of_range("field at " + std::to_string(at) + " of " + std::to_string(size) +
                                " bytes leaves its " + std::to_string(available) + " bytes");
}

unsigned maskOf(int first, int count) {
    return ((1u << count) - 1u) << first;
}

} // namespace

bool bit(std::uint8_t byte, int index) {
    return bits(byte, index, 1) != 0;
}

std::uint8_t withBit(std::uint8_t byte, int index, bool on) {
    return withBits(byte, index, 1, on ? 1u : 0u);
}

unsigned bits(std::uint8_t byte, int first, int count) {
    checkBits(first, count);
    return (byte & maskOf(first, count)) >> first;
}

std::uint8_t withBits(std::uint8_t byte, int first, int count, unsigned value) {
    checkBits(first, count);
    const unsigned mask = maskOf(first, count);
    return static_cast<std::uint8_t>((byte & ~mask) | ((value << first) & mask));
}

bool bit(std::span<const std::uint8_t> bytes, std::size_t at, int index) {
    checkRange(bytes.size(), at, 1);
    return bit(bytes[at], index);
}

void setBit(std::span<std::uint8_t> bytes, std::size_t at, int index, bool on) {
    checkRange(bytes.size(), at, 1);
    bytes[at] = withBit(bytes[at], index, on);
}

unsigned bits(std::span<const std::uint8_t> bytes, std::size_t at, int first, int count) {
    checkRange(bytes.size(), at, 1);
    return bits(bytes[at], first, count);
}

void setBits(std::span<std::uint8_t> bytes, std::size_t at, int first, int count, unsigned value) {
    checkRange(bytes.size(), at, 1);
    bytes[at] = withBits(bytes[at], first, count, value);
}

std::uint16_t u16be(std::span<const std::uint8_t> bytes, std::size_t at) {
    checkRange(bytes.size(), at, 2);
    return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

void setU16be(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value) {
    checkRange(bytes.size(), at, 2);
    bytes[at] = static_cast<std::uint8_t>(value >> 8);
    bytes[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

std::uint16_t u16le(std::span<const std::uint8_t> bytes, std::size_t at) {
    checkRange(bytes.size(), at, 2);
    return static_cast<std::uint16_t>(bytes[at + 1] << 8 | bytes[at]);
}

void setU16le(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value) {
    checkRange(bytes.size(), at, 2);
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::string text(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t size) {
    checkRange(bytes.size(), at, size);
    std::string value;
    for (std::uint8_t byte : bytes.subspan(at, size)) {
        if (byte == Erased || byte == 0x00)
            break;
        appendUtf8(value, byte);
    }
    return value;
}

void setText(std::span<std::uint8_t> bytes, std::size_t at, std::size_t size,
             std::string_view value) {
    checkRange(bytes.size(), at, size);
    const std::span<std::uint8_t> field = bytes.subspan(at, size);
    std::fill(field.begin(), field.end(), Erased);
    std::size_t pos = 0;
    for (std::uint8_t& byte : field) {
        if (pos >= value.size())
            break;
        const Utf8Char c = utf8CharAt(value, pos);
        byte = c.code <= 0xFF ? static_cast<std::uint8_t>(c.code) : std::uint8_t{'?'};
        pos += c.length;
    }
}

} // namespace program::field
