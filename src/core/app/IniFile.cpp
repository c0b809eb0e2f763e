#include "app/IniFile.h"

#include "app/Trimmed.h"

#include "io/AtomicFile.h"
#include "io/FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace program {

namespace {

constexpr std::string_view Blanks = " \t\r\n";

bool isCommentKey(std::string_view key) {
    return !key.empty() && std::string_view(";/\\*").find(key.front()) != std::string_view::npos;
}

bool holdsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Whether the line "key=value" reads back as this key. Anything else would be lost or
// misread at the next load, and a line break would even add settings of its own.
bool fileCanHold(std::string_view key, std::string_view value) {
    return !key.empty() && trimmed(key, Blanks) == key && !isCommentKey(key) &&
           key.find('=') == std::string_view::npos && !holdsLineBreak(key) &&
           !holdsLineBreak(value) && !(key.front() == '[' && trimmed(value, Blanks).ends_with(']'));
}

// Letter case is folded for ASCII letters only. Bytes from 0x80 up (GBK and UTF-8 text)
// are compared as they are, whatever the locale says about them.
char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

// What follows a comment marker in a value is not part of it. The text before the marker
// keeps its blanks.
std::string withoutComment(std::string_view value) {
    for (std::string_view marker : {"//", "\t;", "/*"})
        value = value.substr(0, value.find(marker));
    return std::string(value);
}

// Opens `path` for reading, creating it empty when it does not exist, and reads it whole.
// Folders, devices and pipes are refused.
bool readOrCreate(const std::filesystem::path& path, std::string& content) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        content.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace

IniFile::IniFile(int growthStep) : m_growthStep(std::max(growthStep, 1)) {}

IniFile::~IniFile() {
    if (m_saveOnClose && m_dirty)
        Save();
}

bool IniFile::Open(const std::string& fileName, bool saveOnClose, bool ignoreCase,
                   const std::string& firstArgument) {
    // The settings live beside the program. The path is made absolute now so that a later
    // change of the working folder cannot send the save elsewhere.
    std::filesystem::path folder;
    const auto slash = firstArgument.rfind('/');
    if (slash != std::string::npos) {
        folder = firstArgument.substr(0, slash + 1);
    } else {
        std::error_code error;
        folder = std::filesystem::current_path(error);
    }
    std::filesystem::path full = folder / fileName;
    std::error_code error;
    if (auto absolute = std::filesystem::absolute(full, error); !error)
        full = absolute;

    m_saveOnClose = saveOnClose;
    m_ignoreCase = ignoreCase;
    return Load(full);
}

bool IniFile::Load(const std::filesystem::path& path) {
    if (!m_path.empty())
        Save();
    clear();

    std::string content;
    if (path.empty() || !readOrCreate(path, content))
        return false;

    loadFromBytes(content);
    m_path = path;
    return true;
}

void IniFile::loadFromBytes(std::string_view content) {
    clear();
    m_loaded = true;
    Section* current = &appendSection({});
    std::string_view rest = content;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view line = trimmed(rest.substr(0, end), Blanks);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);

        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &appendSection(std::string(line.substr(1, line.size() - 2)));
            continue;
        }
        const auto equals = line.find('=');
        const std::string_view key = trimmed(line.substr(0, equals), Blanks);
        if (key.empty() || isCommentKey(key))
            continue;
        const std::string_view value = equals == std::string_view::npos
                                           ? std::string_view{}
                                           : trimmed(line.substr(equals + 1), Blanks);
        current->entries.emplace_back(key, value);
    }
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
    const Section* found = findSection(section);
    if (!found)
        return std::string(defaultValue);
    const Entry* entry = lastEntry(*found, key);
    return entry ? withoutComment(entry->second) : std::string(trimmed(defaultValue, Blanks));
}

std::string IniFile::GetListItem(std::string_view section, std::string_view key, std::size_t index,
                                 char delimiter, std::string_view defaultValue) const {
    const Section* found = findSection(section);
    const Entry* entry = found ? lastEntry(*found, key) : nullptr;
    if (!entry)
        return std::string(defaultValue);

    const std::string value = withoutComment(entry->second);
    std::string_view rest = value;
    for (std::size_t item = 0;; ++item) {
        const auto end = rest.find(delimiter);
        if (item == index)
            return std::string(trimmed(rest.substr(0, end), Blanks));
        if (end == std::string_view::npos)
            return std::string(defaultValue);
        rest.remove_prefix(end + 1);
    }
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (!m_loaded || holdsLineBreak(section) || !fileCanHold(key, value))
        return false;

    Section* found = findSection(section);
    if (!found) {
        found = &appendSection(std::string(section));
        m_dirty = true;
    }
    Entry* entry = lastEntry(*found, key);
    if (!entry) {
        found->entries.emplace_back(key, value);
        m_dirty = true;
        return true;
    }
    // Under ignore-case a value that differs only in letter case is stored, but does not by
    // itself call for a save.
    if (!same(entry->second, value))
        m_dirty = true;
    entry->second = value;
    return true;
}

bool IniFile::RemoveKey(std::string_view section, std::string_view key) {
    Section* found = findSection(section);
    if (!found)
        return false;
    const auto removed =
        std::erase_if(found->entries, [&](const Entry& entry) { return same(entry.first, key); });
    m_dirty = m_dirty || removed > 0;
    return removed > 0;
}

bool IniFile::RemoveSection(std::string_view section) {
    if (m_sections.empty())
        return false;
    // The unnamed section stays at index 0 because its keys have no header to follow; it
    // only loses its keys.
    Section& unnamed = m_sections.front();
    bool removed = same(unnamed.name, section) && !unnamed.entries.empty();
    if (removed)
        unnamed.entries.clear();
    const auto named =
        std::remove_if(m_sections.begin() + 1, m_sections.end(),
                       [&](const Section& candidate) { return same(candidate.name, section); });
    removed = removed || named != m_sections.end();
    m_sections.erase(named, m_sections.end());
    m_dirty = m_dirty || removed;
    return removed;
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(m_sections.size());
    for (const Section& section : m_sections)
        names.push_back(section.name);
    return names;
}

std::vector<std::string> IniFile::KeyNames(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* found = findSection(section)) {
        for (const Entry& entry : found->entries)
            keys.push_back(entry.first);
    }
    return keys;
}

bool IniFile::canSave() const {
    return !m_path.empty() && canReplaceFile(m_path);
}

bool IniFile::Save() {
    if (!m_dirty)
        return true;
    if (m_path.empty() || replaceFileAtomically(m_path, toBytes()))
        return false;
    m_dirty = false;
    return true;
}

void IniFile::clear() {
    m_path.clear();
    m_loaded = false;
    m_sections.clear();
    m_dirty = false;
}

bool IniFile::same(std::string_view a, std::string_view b) const {
    return m_ignoreCase ? equalIgnoringCase(a, b) : a == b;
}

IniFile::Section* IniFile::findSection(std::string_view name) {
    auto found = std::find_if(m_sections.begin(), m_sections.end(),
                              [&](const Section& section) { return same(section.name, name); });
    return found == m_sections.end() ? nullptr : &*found;
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    return const_cast<IniFile*>(this)->findSection(name);
}

IniFile::Entry* IniFile::lastEntry(Section& section, std::string_view key) const {
    auto found = std::find_if(section.entries.rbegin(), section.entries.rend(),
                              [&](const Entry& entry) { return same(entry.first, key); });
    return found == section.entries.rend() ? nullptr : &*found;
}

const IniFile::Entry* IniFile::lastEntry(const Section& section, std::string_view key) const {
    return lastEntry(const_cast<Section&>(section), key);
}

IniFile::Section& IniFile::appendSection(std::string name) {
    // The section table grows by the growth step, not by the library's doubling.
    if (m_sections.size() == m_sections.capacity())
        m_sections.reserve(m_sections.capacity() + static_cast<std::size_t>(m_growthStep));
    return m_sections.emplace_back(Section{std::move(name), {}});
}

std::string IniFile::toBytes() const {
    std::string text;
    for (std::size_t index = 0; index < m_sections.size(); ++index) {
        const Section& section = m_sections[index];
        // Every section after the unnamed one gets its header, even one with an empty name
        // ("[]"); without it its keys would join the section before it on the next load.
        if (index > 0)
            text += "[" + section.name + "]\r\n";
        for (const auto& [key, value] : section.entries)
            text += key + "=" + value + "\r\n";
    }
    return text;
}

} // namespace program
