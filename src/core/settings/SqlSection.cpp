#include "service/SquelchTuning.h"
#include "settings/Sections.h"
#include "settings/ServiceFields.h"

namespace program::settings {

std::unique_ptr<Section> makeSqlSection() {
    using service::SquelchTuning;
    std::vector<Field<SquelchTuning>> fields;
    for (int row = 0; row < SquelchTuning::RowCount; ++row)
        fields.push_back(tuningCellField<SquelchTuning>(
            "sql." + service::squelchRowLabel(row), [row](auto& values) -> auto& {
                return values.values[row];
            }));
    return std::make_unique<EditorSection<SquelchTuning>>(
        "sql", service::loadSquelchTuning, service::storeSquelchTuning, std::move(fields));
}

} // namespace program::settings
