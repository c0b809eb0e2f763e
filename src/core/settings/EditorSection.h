#pragma once

#include "settings/Section.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace program::settings {

// Why a value was refused, naming the values the key takes.
std::string refusalReason(std::string_view value, std::string_view allowed);

// One field of an editor's value type, by key.
template <class Values> struct Field {
    std::string key;
    // The values it takes, in English, for refusals: "Off, 30 ... 270".
    std::string allowed;
    // What the editor shows for the field.
    std::function<std::string(const Values&, Language)> show;
    // Puts a script's text into the field as a user would choose or type it;
    // false when the editor could not take it at all.
    std::function<bool(Values&, std::string_view)> assign;
};

// A section made of an editor's codec (load, store) and its fields. Most editors
// need nothing more; one whose storing depends on what was changed (a tabbed
// dialog storing the pages it showed) implements Section itself.
template <class Values> class EditorSection final : public Section {
public:
    using Load = std::function<Values(const CodeplugImage&)>;
    using Store = std::function<void(const Values&, CodeplugImage&)>;

    EditorSection(std::string name, Load load, Store store, std::vector<Field<Values>> fields,
                  bool serviceCode = false)
        : m_name(std::move(name)), m_load(std::move(load)), m_store(std::move(store)),
          m_fields(std::move(fields)), m_serviceCode(serviceCode) {}

    std::string_view name() const override { return m_name; }

    std::vector<std::string> keys() const override {
        std::vector<std::string> result;
        for (const auto& field : m_fields)
            result.push_back(field.key);
        return result;
    }

    std::vector<Setting> show(const CodeplugImage& image, Language language) const override {
        const Values values = m_load(image);
        std::vector<Setting> result;
        for (const auto& field : m_fields)
            result.push_back({field.key, field.show(values, language)});
        return result;
    }

    std::optional<Refusal> apply(CodeplugImage& image,
                                 std::span<const Assignment> assignments) const override {
        Values values = m_load(image);
        for (const auto& assignment : assignments) {
            const Field<Values>* field = find(assignment.key);
            if (!field || !field->assign(values, assignment.value))
                return Refusal{assignment.key,
                               refusalReason(assignment.value, allowedValues(assignment.key))};
        }
        m_store(values, image);
        return std::nullopt;
    }

    std::string allowedValues(std::string_view key) const override {
        const Field<Values>* field = find(key);
        return field ? field->allowed : std::string();
    }

    bool needsServiceCode() const override { return m_serviceCode; }

private:
    const Field<Values>* find(std::string_view key) const {
        for (const auto& field : m_fields)
            if (field.key == key)
                return &field;
        return nullptr;
    }

    std::string m_name;
    Load m_load;
    Store m_store;
    std::vector<Field<Values>> m_fields;
    bool m_serviceCode;
};

} // namespace program::settings
