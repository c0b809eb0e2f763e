#pragma once

#include "app/ProgramState.h"
#include "model/CodeplugImage.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace program::settings {

// One key as `program-cli settings` prints it: the value is what the editor shows.
struct Setting {
    std::string key;
    std::string value;
};

// One KEY=VALUE a script asks for.
struct Assignment {
    std::string key;
    std::string value;
};

// Why an assignment was refused: the key, and the values it takes.
struct Refusal {
    std::string key;
    std::string reason;

    std::string text() const { return key + ": " + reason; }
};

// One editor as a script sees it: its fields by key, read and written through the
// editor's own codec, so that a change is stored exactly as that editor would
// store it when the user changed those fields and pressed OK.
class Section {
public:
    virtual ~Section() = default;

    // "optional", "keys", "msk", ...
    virtual std::string_view name() const = 0;
    // Every key of the section, in the order `settings` prints them.
    virtual std::vector<std::string> keys() const = 0;
    // Every key with the value the editor would show for `image`.
    virtual std::vector<Setting> show(const CodeplugImage& image, Language language) const = 0;
    // Opens the editor on `image`, changes the named fields, stores the editor.
    // The assignments all belong to this section. On a refusal `image` may hold a
    // partial change; the catalogue applies sections to a copy.
    virtual std::optional<Refusal> apply(CodeplugImage& image,
                                         std::span<const Assignment> assignments) const = 0;
    // The values `key` takes, in English, for a refusal ("Off, 30 ... 270").
    virtual std::string allowedValues(std::string_view key) const = 0;
    // Whether changing this section needs the service access code (Parameter Adjust).
    virtual bool needsServiceCode() const { return false; }

    bool hasKey(std::string_view key) const;
};

} // namespace program::settings
