#include "link/PortNames.h"

#include "app/IniFile.h"

#include <cstdio>
#include <string_view>

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

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

} // namespace

PortOverrides portOverridesFrom(const IniFile& settings) {
    // The spelling the file uses is looked up as it is: the first section named
    // "Ports" in any case, and in it the last key of each name, as the desktop
    // program's case-blind reads find them.
    const std::vector<std::string> sections = settings.SectionNames();
    const std::string* section = nullptr;
    for (std::size_t i = 1; i < sections.size() && !section; ++i)
        if (sameIgnoringCase(sections[i], "Ports"))
            section = &sections[i];
    if (!section)
        return {};

    const std::vector<std::string> keys = settings.KeyNames(*section);
    PortOverrides overrides;
    for (int n = FirstPortNumber; n <= LastPortNumber; ++n) {
        const std::string name = "COM" + std::to_string(n);
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
            if (!sameIgnoringCase(*key, name))
                continue;
            std::string path = settings.GetString(*section, *key);
            if (!path.empty())
                overrides[n] = std::move(path);
            break;
        }
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
