#include "model/Decimal.h"

#include <algorithm>

namespace program {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads digits from `pos` on into `digits`; returns the position after them.
std::size_t takeDigits(std::string_view text, std::size_t pos, std::string& digits) {
    while (pos < text.size() && isDigit(text[pos]))
        digits += text[pos++];
    return pos;
}

// Reads the number at the start of `text`; `end` becomes the position after it (0
// when there is none).
DecimalNumber readLeadingDecimal(std::string_view text, std::size_t& end) {
    end = 0;
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';

    DecimalNumber number;
    pos = takeDigits(text, pos, number.integerDigits);
    if (pos < text.size() && text[pos] == '.')
        pos = takeDigits(text, pos + 1, number.fractionDigits);
    if (number.integerDigits.empty() && number.fractionDigits.empty())
        return {}; // no number at all reads as 0
    end = pos;
    number.negative = negative;
    const auto firstSignificant = number.integerDigits.find_first_not_of('0');
    number.integerDigits.erase(0, std::min(firstSignificant, number.integerDigits.size()));
    return number;
}

} // namespace

DecimalNumber readDecimal(std::string_view text) {
    std::size_t end = 0;
    return readLeadingDecimal(text, end);
}

bool isOnlyADecimal(std::string_view text) {
    std::size_t end = 0;
    readLeadingDecimal(text, end);
    if (end == 0)
        return false;
    while (end < text.size() && isBlank(text[end]))
        ++end;
    return end == text.size();
}

std::int64_t scaledMagnitude(const DecimalNumber& number, int places, Rounding rounding) {
    std::int64_t value = 0;
    auto push = [&value](char digit) { value = std::min(value * 10 + (digit - '0'), DecimalCap); };
    for (char digit : number.integerDigits)
        push(digit);
    const std::string_view fraction = number.fractionDigits;
    for (int place = 0; place < places; ++place)
        push(static_cast<std::size_t>(place) < fraction.size() ? fraction[place] : '0');
    const bool cutOff = fraction.size() > static_cast<std::size_t>(places) &&
                        fraction.find_first_not_of('0', places) != std::string_view::npos;
    if (rounding == Rounding::Up && cutOff)
        value = std::min(value + 1, DecimalCap);
    return value;
}

} // namespace program
