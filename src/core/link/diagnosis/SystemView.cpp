#include "link/diagnosis/SystemView.h"

#include "app/Trimmed.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>

#include <pwd.h>
#include <unistd.h>

namespace program::diagnosis {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A hex id without its leading zeros, as ENV{PRODUCT} spells it ("0403" -> "403").
std::string withoutLeadingZeros(std::string_view hex) {
    while (hex.size() > 1 && hex.front() == '0')
        hex.remove_prefix(1);
    return std::string(hex);
}

// Whether `line` compares `attribute` with `value` ("idVendor}==\"1a86\"", any case).
bool names(const std::string& line, const std::string& attribute, const std::string& value) {
    const std::string wanted = attribute + "}==\"" + value + "\"";
    return line.find(wanted) != std::string::npos;
}

} // namespace

UserIdentity UserIdentity::ofThisProcess() {
    UserIdentity user;
    user.uid = ::geteuid();
    // The reentrant form: the desktop program looks from its worker thread too.
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16 * 1024);
    if (::getpwuid_r(user.uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        user.name = found->pw_name;
    else
        user.name = std::to_string(user.uid);
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (count > 0 && ::getgroups(count, groups.data()) == count)
        user.groups.assign(groups.begin(), groups.end());
    const unsigned primary = ::getegid();
    if (std::find(user.groups.begin(), user.groups.end(), primary) == user.groups.end())
        user.groups.insert(user.groups.begin(), primary);
    return user;
}

SystemView SystemView::live() {
    return SystemView({}, UserIdentity::ofThisProcess(), static_cast<int>(::getpid()));
}

SystemView::SystemView(std::filesystem::path root, UserIdentity user, int ownPid)
    : m_root(std::move(root)), m_user(std::move(user)), m_ownPid(ownPid) {}

std::filesystem::path SystemView::at(const std::string& absolute) const {
    if (m_root.empty())
        return absolute;
    return m_root / std::filesystem::path(absolute).relative_path();
}

std::string SystemView::systemPath(const std::filesystem::path& inView) const {
    if (m_root.empty())
        return inView.string();
    std::error_code error;
    const auto root = std::filesystem::weakly_canonical(m_root, error);
    const auto relative = inView.lexically_relative(error ? m_root : root);
    if (relative.empty() || *relative.begin() == "..")
        return inView.string();
    return "/" + relative.string();
}

std::optional<std::string> SystemView::readText(const std::string& absolute,
                                                std::size_t limit) const {
    std::ifstream in(at(absolute), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(limit, '\0');
    in.read(text.data(), static_cast<std::streamsize>(limit));
    if (in.bad())
        return std::nullopt;
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

std::vector<std::string> SystemView::list(const std::string& absolute) const {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(at(absolute), error), end; !error && it != end;
         it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool SystemView::exists(const std::string& absolute) const {
    std::error_code error;
    return std::filesystem::exists(at(absolute), error);
}

int lockFilePid(std::string_view text) {
    text = trimmed(text);
    int pid = 0;
    const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), pid);
    if (error != std::errc{} || rest != text.data() + text.size() || pid <= 0)
        return 0;
    return pid;
}

std::vector<GroupEntry> parseGroupFile(std::string_view text) {
    std::vector<GroupEntry> groups;
    for (std::string_view line : split(text, '\n')) {
        const auto fields = split(line, ':');
        if (fields.size() != 4 || fields[0].empty())
            continue;
        unsigned gid = 0;
        const auto [rest, error] =
            std::from_chars(fields[2].data(), fields[2].data() + fields[2].size(), gid);
        if (error != std::errc{} || rest != fields[2].data() + fields[2].size() ||
            fields[2].empty())
            continue;
        GroupEntry entry{std::string(fields[0]), gid, {}};
        for (std::string_view member : split(trimmed(fields[3]), ',')) {
            member = trimmed(member);
            if (!member.empty())
                entry.members.emplace_back(member);
        }
        groups.push_back(std::move(entry));
    }
    return groups;
}

std::optional<std::string> udevProperty(std::string_view database, std::string_view key) {
    for (std::string_view line : split(database, '\n')) {
        if (!line.starts_with("E:"))
            continue;
        line.remove_prefix(2);
        const auto equals = line.find('=');
        if (equals != std::string_view::npos && line.substr(0, equals) == key)
            return std::string(trimmed(line.substr(equals + 1)));
    }
    return std::nullopt;
}

std::vector<int> rulesMatching(std::string_view rules, std::string_view vendor,
                               std::string_view product, std::string_view mustContain) {
    std::vector<int> matches;
    const std::string v = lower(vendor);
    const std::string p = lower(product);
    const std::string productKey = withoutLeadingZeros(v) + "/" + withoutLeadingZeros(p) + "/";
    int number = 0;
    for (std::string_view raw : split(rules, '\n')) {
        ++number;
        const std::string_view text = trimmed(raw);
        if (text.empty() || text.front() == '#')
            continue;
        const std::string line = lower(text);
        if (!mustContain.empty() && line.find(lower(mustContain)) == std::string::npos)
            continue;
        const bool byProduct = line.find("env{product}==\"" + productKey) != std::string::npos;
        const bool byVendor = names(line, "idvendor", v);
        const bool productNamed = line.find("idproduct}==") != std::string::npos;
        if (byProduct || (byVendor && (!productNamed || names(line, "idproduct", p))))
            matches.push_back(number);
    }
    return matches;
}

} // namespace program::diagnosis
