#pragma once

#include "app/ChoiceList.h"
#include "settings/EditorSection.h"

#include <string>
#include <vector>

namespace program::settings {

// "Off, 30, 60 ... 270": the English entries for a refusal, long runs shortened.
std::string describeChoices(const ChoiceList& list);

// A drop-down list; the field holds the position of the chosen entry.
template <class Values>
Field<Values> listField(std::string key, const ChoiceList& list, int Values::*position) {
    return {std::move(key), describeChoices(list),
            [&list, position](const Values& values, Language language) {
                const int at = values.*position;
                return at >= 0 && at < int(list.size()) ? list[at].pick(language) : std::string();
            },
            [&list, position](Values& values, std::string_view text) {
                for (std::size_t at = 0; at < list.size(); ++at) {
                    if (list[at].matches(text)) {
                        values.*position = int(at);
                        return true;
                    }
                }
                return false;
            }};
}

// A check box: "1" checked, "0" not.
template <class Values> Field<Values> checkField(std::string key, bool Values::*checked) {
    return {std::move(key), "1, 0",
            [checked](const Values& values, Language) {
                return std::string(values.*checked ? "1" : "0");
            },
            [checked](Values& values, std::string_view text) {
                if (text != "1" && text != "0")
                    return false;
                values.*checked = text == "1";
                return true;
            }};
}

// An edit holding text; `accepts` says whether the edit could hold a text at all
// (length, characters), as its limits and key filter would.
template <class Values>
Field<Values> textField(std::string key, std::string allowed, std::string Values::*text,
                        bool (*accepts)(std::string_view)) {
    return {std::move(key), std::move(allowed),
            [text](const Values& values, Language) { return values.*text; },
            [text, accepts](Values& values, std::string_view typed) {
                if (!accepts(typed))
                    return false;
                values.*text = std::string(typed);
                return true;
            }};
}

} // namespace program::settings
