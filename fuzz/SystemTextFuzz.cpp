// Feeds the connection check's readers of system files with whatever such a file
// might hold: a lock file, /etc/group, a udev database entry and udev rules.
#include "link/diagnosis/SystemView.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace program::diagnosis;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (lockFilePid(text) < 0)
        std::abort();
    for (const GroupEntry& entry : parseGroupFile(text)) {
        if (entry.name.empty() || entry.name.find(':') != std::string::npos)
            std::abort();
    }
    (void)udevProperty(text, "ID_MM_DEVICE_IGNORE");
    // The ids from the input's first bytes, as sysfs would give any four characters.
    const std::string_view vendor = text.substr(0, std::min<std::size_t>(4, size));
    const std::string_view product = text.substr(std::min<std::size_t>(4, size), 4);
    int previous = 0;
    for (int line : rulesMatching(text, vendor, product, "ID_MM")) {
        if (line <= previous)
            std::abort();
        previous = line;
    }
    return 0;
}
