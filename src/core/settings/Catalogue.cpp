#include "settings/Catalogue.h"

#include "settings/EditorSection.h"
#include "settings/FieldKinds.h"
#include "settings/Sections.h"

#include <algorithm>

namespace program::settings {

namespace {

std::vector<std::unique_ptr<Section>> makeCatalogue() {
    std::vector<std::unique_ptr<Section>> sections;
    sections.push_back(makeOptionalSection());
    sections.push_back(makeKeysSection());
    sections.push_back(makeMskSection());
    sections.push_back(makeDtmfSection());
    sections.push_back(makeTwoToneSection());
    sections.push_back(makeSqlSection());
    sections.push_back(makeParamsSection());
    sections.push_back(makeSoftInfoSection());
    return sections;
}

std::string_view sectionNameOf(std::string_view key) {
    return key.substr(0, key.find('.'));
}

} // namespace

bool Section::hasKey(std::string_view key) const {
    const auto all = keys();
    return std::find(all.begin(), all.end(), key) != all.end();
}

std::span<const std::unique_ptr<Section>> catalogue() {
    static const std::vector<std::unique_ptr<Section>> sections = makeCatalogue();
    return sections;
}

const Section* findSection(std::string_view name) {
    for (const auto& section : catalogue())
        if (section->name() == name)
            return section.get();
    return nullptr;
}

const Section* sectionOfKey(std::string_view key) {
    const Section* section = findSection(sectionNameOf(key));
    return section && section->hasKey(key) ? section : nullptr;
}

std::vector<Setting> showSettings(const CodeplugImage& image, Language language) {
    std::vector<Setting> result;
    for (const auto& section : catalogue()) {
        auto shown = section->show(image, language);
        result.insert(result.end(), shown.begin(), shown.end());
    }
    return result;
}

std::optional<Refusal> applySettings(CodeplugImage& image, std::span<const Assignment> assignments,
                                     bool serviceAccess) {
    for (const auto& assignment : assignments) {
        const Section* section = sectionOfKey(assignment.key);
        if (!section)
            return Refusal{assignment.key,
                           "no such key (program-cli settings FILE.dat lists them)"};
        if (section->needsServiceCode() && !serviceAccess)
            return Refusal{assignment.key, "needs the service access code (--service-code CODE)"};
    }

    CodeplugImage edited = image;
    for (const auto& section : catalogue()) {
        std::vector<Assignment> own;
        for (const auto& assignment : assignments)
            if (sectionOfKey(assignment.key) == section.get())
                own.push_back(assignment);
        if (own.empty())
            continue;
        if (auto refusal = section->apply(edited, own))
            return refusal;
        // What was set must be what the editor shows now, in either language.
        const auto english = section->show(edited, Language::English);
        const auto chinese = section->show(edited, Language::Chinese);
        for (const auto& assignment : own) {
            auto shows = [&](const std::vector<Setting>& shown) {
                return std::any_of(shown.begin(), shown.end(), [&](const Setting& s) {
                    return s.key == assignment.key && s.value == assignment.value;
                });
            };
            if (!shows(english) && !shows(chinese))
                return Refusal{
                    assignment.key,
                    refusalReason(assignment.value, section->allowedValues(assignment.key))};
        }
    }
    image = edited;
    return std::nullopt;
}

std::string refusalReason(std::string_view value, std::string_view allowed) {
    return "'" + std::string(value) + "' is not a value it takes (" + std::string(allowed) + ")";
}

std::string describeChoices(const ChoiceList& list) {
    // Runs of consecutive whole numbers ("1", "2" ... "128") are shortened.
    auto number = [](const std::string& text, long& out) {
        if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), ::isdigit))
            return false;
        out = std::stol(text);
        return true;
    };
    std::string result;
    for (std::size_t at = 0; at < list.size();) {
        std::size_t end = at + 1;
        long first = 0, next = 0;
        if (number(list[at].english, first)) {
            long step = 0;
            if (end < list.size() && number(list[end].english, next))
                step = next - first;
            while (step > 0 && end < list.size() && number(list[end].english, next) &&
                   next == first + step * long(end - at))
                ++end;
            if (end - at < 4)
                end = at + 1;
        }
        if (!result.empty())
            result += ", ";
        result += list[at].english;
        if (end > at + 1)
            result += " ... " + list[end - 1].english;
        at = end;
    }
    return result;
}

} // namespace program::settings
