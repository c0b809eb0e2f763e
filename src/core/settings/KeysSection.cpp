#include "features/KeyAssignment.h"
#include "settings/FieldKinds.h"
#include "settings/Sections.h"

namespace program::settings {

std::unique_ptr<Section> makeKeysSection() {
    using features::KeyAssignment;
    std::vector<Field<KeyAssignment>> fields{
        listField("keys.side_key", features::sideKeyChoices(), &KeyAssignment::sideKey),
    };
    return std::make_unique<EditorSection<KeyAssignment>>(
        "keys", features::loadKeyAssignment, features::storeKeyAssignment, std::move(fields));
}

} // namespace program::settings
