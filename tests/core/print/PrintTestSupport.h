#pragma once

#include "print/PrintLayout.h"

#include <string>

namespace printtest {

// A page of 11 000 by 15 000 twips: c = 166 twips, title lines of 380 and body
// lines of 300 twips.
inline constexpr program::print::PageArea Area{11000, 15000};
inline constexpr program::print::LineHeights Lines{380, 300};

// The text printed on the same line as `label`, nearest to its right; empty when
// the line shows nothing more.
inline std::string valueOf(const program::print::Page& page, const std::string& label) {
    const program::print::TextItem* found = nullptr;
    for (const auto& item : page.texts) {
        if (item.text == label)
            found = &item;
    }
    if (!found)
        return "<no label " + label + ">";
    const program::print::TextItem* value = nullptr;
    for (const auto& item : page.texts) {
        if (item.y == found->y && item.x > found->x && (!value || item.x < value->x))
            value = &item;
    }
    return value ? value->text : std::string();
}

inline bool shows(const program::print::Page& page, const std::string& text) {
    for (const auto& item : page.texts) {
        if (item.text == text)
            return true;
    }
    return false;
}

} // namespace printtest
