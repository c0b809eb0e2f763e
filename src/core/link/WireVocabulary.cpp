#include "link/WireVocabulary.h"

#include <algorithm>

namespace program::wire {

namespace {

CommandFrame commandFrame(std::uint8_t command, std::uint16_t address, std::uint8_t length) {
    return {command, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), length};
}

constexpr std::array<std::uint8_t, 4> ModelLetters{0x55, 0x50, 0x58, 0x56}; // U P X V
constexpr std::uint8_t Eight = 0x38;

// Whole MHz to 10 Hz units.
constexpr std::int64_t PerMegahertz = 100000;

std::int64_t megahertz(std::uint8_t hundredsAndTens, int units) {
    return 100 * (hundredsAndTens >> 4) + 10 * (hundredsAndTens & 0x0F) + units;
}

bool within(std::int64_t lower, std::int64_t upper, const IdentityRecord& radio) {
    return lower >= radio.lowerLimit && upper <= radio.upperLimit;
}

} // namespace

CommandFrame readBlockFrame(std::uint16_t address, std::uint8_t length) {
    return commandFrame(ReadCommand, address, length);
}

CommandFrame writeBlockFrame(std::uint16_t address, std::uint8_t length) {
    return commandFrame(WriteCommand, address, length);
}

std::optional<IdentityRecord> IdentityRecord::parse(std::span<const std::uint8_t> reply) {
    if (reply.size() < Size)
        return std::nullopt;
    if (std::find(ModelLetters.begin(), ModelLetters.end(), reply[0]) == ModelLetters.end())
        return std::nullopt;
    if (reply[1] != Eight || reply[2] != Eight || reply[3] != Eight)
        return std::nullopt;

    IdentityRecord record;
    record.model = reply[0];
    record.lowerLimit = megahertz(reply[5], reply[7] >> 4) * PerMegahertz;
    record.upperLimit = megahertz(reply[6], reply[7] & 0x0F) * PerMegahertz;
    return record;
}

bool IdentityRecord::suits(const BandLimits& document) const {
    return within(document.vLower, document.vUpper, *this) ||
           within(document.uLower, document.uUpper, *this);
}

} // namespace program::wire
