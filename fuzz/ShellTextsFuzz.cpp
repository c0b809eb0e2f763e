// menus.json of a language pack and the values of Program.ini, parsed as the
// desktop program parses them, from any bytes.
#include "app/MenuPack.h"
#include "common/SettingsText.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

std::size_t walk(const QList<PackMenuItem>& items, int depth) {
    std::size_t count = 0;
    for (const PackMenuItem& item : items) {
        count += static_cast<std::size_t>(item.text.size()) + static_cast<std::size_t>(item.id);
        if (item.isPopup()) {
            if (depth > MenuPack::MaxDepth)
                __builtin_trap();
            count += walk(item.items, depth + 1);
        }
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::optional<MenuPack> pack = MenuPack::parse(bytes)) {
        volatile std::size_t sink = 0;
        for (int id : {128, 129})
            sink = sink + walk(pack->menu(id), 1);
        for (const PackAccelerator& accelerator : pack->accelerators(128))
            sink = sink + static_cast<std::size_t>(accelerator.key.size());
        for (int id : pack->toolbar(128))
            sink = sink + static_cast<std::size_t>(pack->prompt(id).status.size());
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)fromSettings(text);
    (void)decimalSetting(text);
    return 0;
}
