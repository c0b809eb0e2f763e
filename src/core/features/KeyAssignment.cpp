#include "features/KeyAssignment.h"

#include "model/Fields.h"
#include "model/ImageMap.h"

namespace program::features {

namespace {
// The side key lives in the two low bits of the third flag byte, stored as 3 minus
// the button's position.
constexpr std::size_t SideKeyAt = imagemap::FeatureFlags.offset + 2;
} // namespace

KeyAssignment loadKeyAssignment(const CodeplugImage& image) {
    return {3 - int(field::bits(image.bytes(), SideKeyAt, 0, 2))};
}

void storeKeyAssignment(const KeyAssignment& values, CodeplugImage& image) {
    const int position = values.sideKey >= 0 && values.sideKey <= 3 ? values.sideKey : 0;
    field::setBits(image.bytes(), SideKeyAt, 0, 2, unsigned(3 - position));
}

const ChoiceList& sideKeyChoices() {
    static const ChoiceList list{{"Option Singalling Call", {}},
                                 {"Emergency Call", {}},
                                 {"Send 1750Hz Singal", {}},
                                 {"Squelch Off Momentary", {}}};
    return list;
}

} // namespace program::features
