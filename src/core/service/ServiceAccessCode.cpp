#include "service/ServiceAccessCode.h"

#include <algorithm>
#include <cctype>

namespace program::service {

bool acceptsServiceCode(std::string_view typed) {
    return std::equal(typed.begin(), typed.end(), ServiceAccessCode.begin(),
                      ServiceAccessCode.end(), [](char a, char b) {
                          return std::toupper(static_cast<unsigned char>(a)) ==
                                 std::toupper(static_cast<unsigned char>(b));
                      });
}

} // namespace program::service
