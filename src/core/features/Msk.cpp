#include "features/Msk.h"

#include "model/Fields.h"
#include "model/ImageMap.h"

#include <algorithm>

namespace program::features {

namespace {
// The ID code first, then the nine call-list entries, four bytes each.
std::size_t codeAt(std::size_t index) {
    return imagemap::Msk.offset + index * Msk::CodeLength;
}
} // namespace

Msk loadMsk(const CodeplugImage& image) {
    Msk values;
    values.idCode = field::text(image.bytes(), codeAt(0), Msk::CodeLength);
    for (std::size_t n = 0; n < Msk::CallCount; ++n)
        values.calls[n] = field::text(image.bytes(), codeAt(n + 1), Msk::CodeLength);
    return values;
}

void storeMsk(const Msk& values, CodeplugImage& image) {
    field::setText(image.bytes(), codeAt(0), Msk::CodeLength, values.idCode);
    for (std::size_t n = 0; n < Msk::CallCount; ++n)
        field::setText(image.bytes(), codeAt(n + 1), Msk::CodeLength, values.calls[n]);
}

bool isMskCode(std::string_view text) {
    return text.size() <= Msk::CodeLength && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
           });
}

} // namespace program::features
