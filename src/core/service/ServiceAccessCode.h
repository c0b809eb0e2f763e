#pragma once

#include <string_view>

namespace program::service {

// The code that opens Parameter Adjust, in the dialog and for program-cli set.
inline constexpr std::string_view ServiceAccessCode = "457QRS";

// Whether `typed` is the access code; letter case does not matter.
bool acceptsServiceCode(std::string_view typed);

} // namespace program::service
