#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace program {

// The radio's whole configuration memory. Image offsets are also the offsets of
// the .dat file and the addresses sent to the radio.
class CodeplugImage {
public:
    static constexpr std::size_t Size = 4096;
    static constexpr std::size_t RowSize = 16;
    static constexpr std::size_t RowCount = Size / RowSize;

    // All bytes 0xFF, as erased radio memory reads.
    CodeplugImage();

    std::uint8_t at(std::size_t offset) const;
    void set(std::size_t offset, std::uint8_t value);

    // A checked view of [offset, offset + length); throws std::out_of_range when
    // the range leaves the image.
    std::span<const std::uint8_t> range(std::size_t offset, std::size_t length) const;
    std::span<std::uint8_t> range(std::size_t offset, std::size_t length);
    void write(std::size_t offset, std::span<const std::uint8_t> bytes);

    std::span<const std::uint8_t, Size> bytes() const { return m_bytes; }
    std::span<std::uint8_t, Size> bytes() { return m_bytes; }

    void fill(std::uint8_t value) { m_bytes.fill(value); }

    friend bool operator==(const CodeplugImage&, const CodeplugImage&) = default;

private:
    std::array<std::uint8_t, Size> m_bytes;
};

} // namespace program
