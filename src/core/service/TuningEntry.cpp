#include "service/TuningEntry.h"

#include <algorithm>
#include <limits>

namespace program::service {

int leadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    long long value = 0;
    constexpr long long Limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = std::min(value * 10 + (text[at] - '0'), Limit);
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

int tuningEntry(std::string_view text) {
    return std::clamp(leadingNumber(text), TuningMinimum, TuningMaximum);
}

} // namespace program::service
