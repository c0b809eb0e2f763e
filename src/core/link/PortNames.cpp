#include "link/PortNames.h"

#include <cstdio>

namespace program {

std::string PortName(int portNumber) {
    // Ports above 9 need the device-namespace form on the system the numbers come from.
    const char* format = portNumber >= 10 ? "\\\\.\\COM%d" : "COM%d";
    char name[32];
    std::snprintf(name, sizeof name, format, portNumber);
    return name;
}

int portNumberFromName(const std::string& name) {
    int number = 0;
    if (std::sscanf(name.c_str(), "%*[^M]M%d", &number) != 1)
        return 0;
    return number;
}

PortOverrides
portOverridesFrom(const std::function<std::optional<std::string>(const std::string& key)>& lookup) {
    PortOverrides overrides;
    for (int n = FirstPortNumber; n <= LastPortNumber; ++n) {
        std::optional<std::string> path = lookup("COM" + std::to_string(n));
        if (path && !path->empty())
            overrides[n] = *path;
    }
    return overrides;
}

std::string devicePathForPort(int portNumber, const PortOverrides& overrides) {
    if (auto it = overrides.find(portNumber); it != overrides.end())
        return it->second;
    struct Range {
        int first;
        int last;
        const char* prefix;
    };
    static constexpr Range kTable[] = {
        {1, 4, "/dev/ttyUSB"}, {5, 8, "/dev/ttyACM"}, {9, 16, "/dev/ttyS"}};
    for (const Range& range : kTable) {
        if (portNumber >= range.first && portNumber <= range.last)
            return range.prefix + std::to_string(portNumber - range.first);
    }
    return {};
}

int PortNumberStore::load() const {
    std::optional<long long> stored = loadStored();
    if (!stored)
        return 1;
    return static_cast<int>(*stored & 0xFF);
}

} // namespace program
