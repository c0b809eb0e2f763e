// The service editors on bytes from anywhere: a 4096-byte image (a .dat file, or
// blocks a radio sent) through the squelch table, the parameter block and Software
// Info, and any other input as a typed number and as a value a script sets for a
// service key.

#include "model/CodeplugImage.h"
#include "model/FactoryDefaults.h"
#include "service/ParameterAdjust.h"
#include "service/SoftwareInfo.h"
#include "service/SquelchTuning.h"
#include "service/TuningEntry.h"
#include "settings/Catalogue.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace program;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

// A store of what a load showed changes nothing outside `first` ... `end`, and a
// second round changes nothing at all.
template <class Load, class Store>
void checkCodec(const CodeplugImage& image, Load load, Store store,
                std::initializer_list<std::pair<std::size_t, std::size_t>> owned) {
    CodeplugImage stored = image;
    store(load(image), stored);
    for (std::size_t at = 0; at < CodeplugImage::Size; ++at) {
        const bool own = std::any_of(owned.begin(), owned.end(), [at](const auto& range) {
            return at >= range.first && at < range.second;
        });
        require(own || stored.at(at) == image.at(at));
    }
    CodeplugImage again = stored;
    store(load(stored), again);
    require(again == stored);
}

const std::vector<std::string>& serviceKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> found;
        for (const auto& setting : settings::showSettings(factoryDefaults(), Language::English))
            if (setting.key.starts_with("sql.") || setting.key.starts_with("params.") ||
                setting.key.starts_with("softinfo."))
                found.push_back(setting.key);
        return found;
    }();
    return keys;
}

// The first byte picks a key, the rest is its value: what is accepted shows back as
// given, what is refused leaves the image as it was.
void checkAssignment(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return;
    const auto& keys = serviceKeys();
    const std::string& key = keys[data[0] % keys.size()];
    const std::string value(reinterpret_cast<const char*>(data + 1), size - 1);
    static const CodeplugImage start = factoryDefaults();
    CodeplugImage image = start;
    const settings::Assignment assignment{key, value};
    if (settings::applySettings(image, {&assignment, 1}, true)) {
        require(image == start);
        return;
    }
    for (const auto& setting : settings::showSettings(image, Language::English))
        if (setting.key == key)
            require(setting.value == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int entry = service::tuningEntry(text);
    require(entry >= service::TuningMinimum && entry <= service::TuningMaximum);
    checkAssignment(data, size);

    if (size != CodeplugImage::Size)
        return 0;
    CodeplugImage image;
    std::copy(data, data + size, image.bytes().begin());
    checkCodec(image, service::loadSquelchTuning, service::storeSquelchTuning, {{0xFA0, 0xFB4}});
    checkCodec(image, service::loadParameterAdjust, service::storeParameterAdjust,
               {{0xFB4, 0xFD0}});
    checkCodec(image, service::loadSoftwareInfo, service::storeSoftwareInfo,
               {{0xFD0, 0xFD2}, {0xFD4, 0xFDC}, {0xFF0, 0xFF6}});
    return 0;
}
