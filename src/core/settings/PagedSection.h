#pragma once

#include "settings/EditorSection.h"

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace program::settings {

// A field of one part of a larger value (a page of a tabbed dialog), seen as a
// field of the whole: `part` returns the part of a whole, const or not.
template <class Whole, class Part, class Get> Field<Whole> partField(Field<Part> field, Get part) {
    return {std::move(field.key), std::move(field.allowed),
            [show = std::move(field.show), part](const Whole& whole, Language language) {
                return show(part(whole), language);
            },
            [assign = std::move(field.assign), part](Whole& whole, std::string_view text) {
                return assign(part(whole), text);
            }};
}

// A tabbed dialog whose pages load when they are shown and store when they are
// hidden (DTMF, 2-Tone). Setting fields works as a user would: open the dialog
// (the pages it shows at opening are loaded), visit the page of each named field
// and change it, close. Every page that was shown is stored, so a page shown at
// opening is normalised and stored even when none of its fields was named.
template <class Values> class PagedSection final : public Section {
public:
    struct PageField {
        Field<Values> field;
        int page;
    };
    // Every page's values, as the pages would load them.
    using Load = std::function<Values(const CodeplugImage&)>;
    // Stores one page: only that page's bytes change.
    using StorePage = std::function<void(const Values&, int page, CodeplugImage&)>;

    PagedSection(std::string name, Load load, StorePage store, std::set<int> openingPages,
                 std::vector<PageField> fields)
        : m_name(std::move(name)), m_load(std::move(load)), m_store(std::move(store)),
          m_openingPages(std::move(openingPages)), m_fields(std::move(fields)) {}

    std::string_view name() const override { return m_name; }

    std::vector<std::string> keys() const override {
        std::vector<std::string> result;
        for (const auto& entry : m_fields)
            result.push_back(entry.field.key);
        return result;
    }

    std::vector<Setting> show(const CodeplugImage& image, Language language) const override {
        const Values values = m_load(image);
        std::vector<Setting> result;
        for (const auto& entry : m_fields)
            result.push_back({entry.field.key, entry.field.show(values, language)});
        return result;
    }

    std::optional<Refusal> apply(CodeplugImage& image,
                                 std::span<const Assignment> assignments) const override {
        Values values = m_load(image);
        std::set<int> shown = m_openingPages;
        for (const auto& assignment : assignments) {
            const PageField* entry = find(assignment.key);
            if (!entry || !entry->field.assign(values, assignment.value))
                return Refusal{assignment.key,
                               refusalReason(assignment.value, allowedValues(assignment.key))};
            shown.insert(entry->page);
        }
        for (int page : shown)
            m_store(values, page, image);
        return std::nullopt;
    }

    std::string allowedValues(std::string_view key) const override {
        const PageField* entry = find(key);
        return entry ? entry->field.allowed : std::string();
    }

private:
    const PageField* find(std::string_view key) const {
        for (const auto& entry : m_fields)
            if (entry.field.key == key)
                return &entry;
        return nullptr;
    }

    std::string m_name;
    Load m_load;
    StorePage m_store;
    std::set<int> m_openingPages;
    std::vector<PageField> m_fields;
};

} // namespace program::settings
