#pragma once

#include "settings/Section.h"

#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace program::settings {

// Every editor's fields by key, in the order `program-cli settings` prints them:
// optional, keys, msk, dtmf, twotone, sql, params, softinfo.
std::span<const std::unique_ptr<Section>> catalogue();

const Section* findSection(std::string_view name);
const Section* sectionOfKey(std::string_view key);

// Every key of the catalogue (or of one section) with its shown value.
std::vector<Setting> showSettings(const CodeplugImage& image, Language language);

// Applies the assignments as the editors would, each editor opened once with all
// of its fields that were named. All apply or none: on a refusal `image` is as it
// was. A value the editor would store as something else (a time it rounds, a
// limit its check resets) is refused too, so what was set is what the editors
// show afterwards. Sections that need the service access code are refused unless
// `serviceAccess` says it was given.
std::optional<Refusal> applySettings(CodeplugImage& image, std::span<const Assignment> assignments,
                                     bool serviceAccess = false);

} // namespace program::settings
