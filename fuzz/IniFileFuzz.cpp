// Reads arbitrary bytes as a settings file, changes some values, writes it out, reads
// the written text again and checks that every value reads back as it did before. All
// in memory: the file path around this core has its own test.
#include "app/IniFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

// A value the file can hold as it is: no line breaks and no blanks at the ends.
std::string storable(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool holdsLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool ignoreCase = data[0] & 1;
    const std::string content(reinterpret_cast<const char*>(data) + 1, size - 1);
    program::IniFile ini;
    ini.setIgnoreCase(ignoreCase);
    ini.loadFromBytes(content);
    ini.GetString("Setup", "Language");
    ini.GetListItem("Setup", "Language", data[0] % 4);

    // Overwrite a few keys that are there, add keys to the sections that are there and
    // add a section named by the input.
    const auto sections = ini.SectionNames();
    std::size_t cut = 0;
    for (std::size_t i = 0; i < sections.size() && i < 8; ++i) {
        const std::string piece =
            storable(content.substr(std::min(cut, content.size()), 1 + i * 3));
        cut += 1 + i; // may run past the end of a short input with many sections
        // Every key read from the file takes a value ending in ";", unless a name holds a
        // lone CR, which a write refuses.
        const bool writable = !holdsLineBreak(sections[i]);
        const std::string added = "K" + std::to_string(i);
        check(ini.WriteString(sections[i], added, added + piece + ";") == writable);
        for (const std::string& key : ini.KeyNames(sections[i]))
            check(ini.WriteString(sections[i], key, key + piece + ";") ==
                  (writable && !holdsLineBreak(key)));
    }
    const std::string newSection = storable(content.substr(size / 2, 12));
    check(ini.WriteString(newSection, "Added", "value // comment"));
    check(!ini.WriteString("Setup", "Broken", "line\r\nbreak"));

    const std::string saved = ini.toBytes();
    for (std::size_t i = 0; i < saved.size(); ++i)
        check(saved[i] != '\n' || (i > 0 && saved[i - 1] == '\r'));

    program::IniFile reread;
    reread.setIgnoreCase(ignoreCase);
    reread.loadFromBytes(saved);
    // The written text holds every section, key and value as they were: read back
    // and written again, it comes out the same, so every value reads back as it did.
    check(reread.toBytes() == saved);
    check(reread.SectionNames() == ini.SectionNames());
    // And a value read through the comment rules reads the same in both.
    for (std::size_t i = 0; i < sections.size() && i < 8; ++i) {
        for (const std::string& key : ini.KeyNames(sections[i]))
            check(reread.GetString(sections[i], key) == ini.GetString(sections[i], key));
    }
    check(reread.GetString(newSection, "Added") == "value ");
    return 0;
}
