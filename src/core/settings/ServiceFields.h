#pragma once

#include "service/TuningEntry.h"
#include "settings/EditorSection.h"

#include <string>

// Fields shared by the service editors' sections.
namespace program::settings {

// A cell of a tuning grid: up to three characters typed, stored as the cell
// editor leaves them (a number brought into 5 ... 100). `cell` is a generic
// accessor, `[](auto& values) -> auto& { ... }`, for reading and for writing.
template <class Values, class Cell> Field<Values> tuningCellField(std::string key, Cell cell) {
    return {std::move(key), "5 ... 100",
            [cell](const Values& values, Language) { return std::to_string(cell(values)); },
            [cell](Values& values, std::string_view text) {
                if (text.size() > std::size_t(service::TuningEntryLength))
                    return false;
                cell(values) = service::tuningEntry(text);
                return true;
            }};
}

} // namespace program::settings
