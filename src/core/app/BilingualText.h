#pragma once

#include "app/ProgramState.h"

#include <string>
#include <string_view>

namespace program {

// A text the program carries itself in both languages (it does not come from a
// language pack), shown in the language of the run.
struct BilingualText {
    std::string english;
    std::string chinese;

    // The form for the language; the English one when there is no Chinese form.
    const std::string& pick(Language language) const {
        return language == Language::Chinese && !chinese.empty() ? chinese : english;
    }
    // Whether the text is either form, as a cell or a list item may hold it.
    bool matches(std::string_view text) const {
        return (!english.empty() && text == english) || (!chinese.empty() && text == chinese);
    }

    friend bool operator==(const BilingualText&, const BilingualText&) = default;
};

} // namespace program
