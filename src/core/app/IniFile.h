#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace program {

// Reader and writer of the program's INI-style settings file ("Program.ini").
//
// The whole file is held in memory as ordered sections of ordered key/value pairs.
// Section 0 is the unnamed section before the first header. Duplicate sections and
// duplicate keys are kept as they are: reads and writes use the first section of a
// name and, inside it, the last occurrence of a key. Comments and blank lines are not
// kept. Names, keys and values are raw bytes (the Chinese texts are GBK bytes).
//
// Nothing reaches the disk until Save, or until destruction when save-on-close is set
// and something changed. A save writes a temporary file beside the target and renames
// it over the target, so the old file survives any failure.
class IniFile {
public:
    explicit IniFile(int growthStep = 4);
    ~IniFile(); // saves when save-on-close is set and the content is dirty
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Builds the path from the folder of `firstArgument` (argv[0]; no '/' -> current folder)
    // and loads it; a missing file is created empty.
    bool Open(const std::string& fileName, bool saveOnClose, bool ignoreCase,
              const std::string& firstArgument);
    // Saves a loaded file first (when dirty), then reads `path`. A missing file is created
    // empty. A file that cannot be opened or read leaves the object empty (no path): every
    // read then gives its default and every write is ignored.
    bool Load(const std::filesystem::path& path);
    // Reads `content` as the text of a settings file, held in memory only: reads and
    // writes work as on a loaded file; Save has nowhere to write and fails.
    void loadFromBytes(std::string_view content);
    // The text Save writes (CR LF line ends).
    std::string toBytes() const;
    // Whether names and keys match without regard to case (Open sets it).
    void setIgnoreCase(bool ignoreCase) { m_ignoreCase = ignoreCase; }
    // Whether destruction saves a changed file (Open sets it).
    void setSaveOnClose(bool saveOnClose) { m_saveOnClose = saveOnClose; }

    // The value of the last occurrence of `key` in the first section named `section`, cut at
    // the first "//", tab + ";" and "/*" comment markers. A missing section gives the default
    // as it is; a missing key gives the default without surrounding blanks.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue = {}) const;
    // Item `index` (from 0) of a value that holds a list separated by `delimiter`, without
    // surrounding blanks; the default when the key or the item is missing.
    std::string GetListItem(std::string_view section, std::string_view key, std::size_t index,
                            char delimiter = ',', std::string_view defaultValue = {}) const;

    // Replaces the last occurrence of `key` in the first section named `section`, or appends
    // the key (and the section) when missing. Ignored when no file is loaded. Refused when the
    // file could not hold the pair: a line break anywhere, or a key that would not read back
    // as itself (empty, blanks at its ends, a comment start, an "=", or "[" with a value
    // ending in "]", which reads as a section header). Returns whether the value was stored.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Removes every occurrence of `key` from the first section named `section`.
    bool RemoveKey(std::string_view section, std::string_view key);
    // Removes every section named `section` with its keys. The unnamed section keeps its place
    // and only loses its keys.
    bool RemoveSection(std::string_view section);

    // All section names in file order, duplicates included; index 0 is the unnamed section.
    std::vector<std::string> SectionNames() const;
    // The keys of the first section named `section` in file order, duplicates included.
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Writes the file when dirty (CR LF line ends). Returns false when it could not write;
    // the file on disk is then as it was and the content stays dirty.
    bool Save();
    // Whether Save could write the file now: it was loaded and its folder takes new
    // files.
    bool canSave() const;
    bool isDirty() const { return m_dirty; }
    const std::filesystem::path& path() const { return m_path; }

private:
    using Entry = std::pair<std::string, std::string>;
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    void clear();
    bool same(std::string_view a, std::string_view b) const;
    Section* findSection(std::string_view name);
    const Section* findSection(std::string_view name) const;
    Entry* lastEntry(Section& section, std::string_view key) const;
    const Entry* lastEntry(const Section& section, std::string_view key) const;
    Section& appendSection(std::string name);

    int m_growthStep;
    std::filesystem::path m_path;
    std::vector<Section> m_sections;
    bool m_loaded = false; // from a file or from bytes
    bool m_dirty = false;
    bool m_ignoreCase = false;
    bool m_saveOnClose = false;
};

} // namespace program
