#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace program {

// Bytes as the traffic log, the connection check, the byte differences and the
// simulator show them: two upper-case hex digits each, a blank between ("02 50 52").
std::string hexText(std::span<const std::uint8_t> bytes);

} // namespace program
