#include "features/Msk.h"
#include "settings/FieldKinds.h"
#include "settings/Sections.h"

#include <string>

namespace program::settings {

std::unique_ptr<Section> makeMskSection() {
    using features::Msk;
    constexpr const char* Codes = "up to 4 of 0-9A-F";
    std::vector<Field<Msk>> fields{
        textField("msk.id_code", Codes, &Msk::idCode, &features::isMskCode)};
    for (std::size_t n = 0; n < Msk::CallCount; ++n) {
        fields.push_back({"msk.call." + std::to_string(n + 1), Codes,
                          [n](const Msk& values, Language) { return values.calls[n]; },
                          [n](Msk& values, std::string_view text) {
                              if (!features::isMskCode(text))
                                  return false;
                              values.calls[n] = std::string(text);
                              return true;
                          }});
    }
    return std::make_unique<EditorSection<Msk>>("msk", features::loadMsk, features::storeMsk,
                                                std::move(fields));
}

} // namespace program::settings
