// Loads arbitrary bytes as a settings file, changes some values, saves, loads the saved
// file again and checks that every value reads back as it did before the save.
#include "app/IniFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>

#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

// A folder of its own for one input, removed afterwards. Every run saves with fsync; a
// memory-backed folder keeps that cheap.
class WorkFolder {
public:
    WorkFolder() {
        const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
        std::string pattern = (base / "ini-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        m_path = pattern;
    }
    ~WorkFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

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

using Values = std::map<std::pair<std::string, std::string>, std::string>;

Values everyValue(const program::IniFile& ini) {
    Values values;
    for (const std::string& section : ini.SectionNames())
        for (const std::string& key : ini.KeyNames(section))
            values[{section, key}] = ini.GetString(section, key);
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool ignoreCase = data[0] & 1;
    const std::string content(reinterpret_cast<const char*>(data) + 1, size - 1);
    const WorkFolder folder;
    const fs::path file = folder.path() / "Program.ini";
    const std::string program = (folder.path() / "Program").string();
    std::ofstream(file, std::ios::binary) << content;

    program::IniFile ini;
    check(ini.Open("Program.ini", false, ignoreCase, program));
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

    const Values before = everyValue(ini);
    check(ini.Save());
    check(!ini.isDirty());

    std::ifstream in(file, std::ios::binary);
    const std::string saved(std::istreambuf_iterator<char>(in), {});
    for (std::size_t i = 0; i < saved.size(); ++i)
        check(saved[i] != '\n' || (i > 0 && saved[i - 1] == '\r'));

    program::IniFile reread;
    check(reread.Open("Program.ini", false, ignoreCase, program));
    check(reread.SectionNames() == ini.SectionNames());
    check(everyValue(reread) == before);
    check(reread.GetString(newSection, "Added") == "value ");
    return 0;
}
