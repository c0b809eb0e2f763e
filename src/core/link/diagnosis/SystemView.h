#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace program::diagnosis {

// Who the program runs as, as far as opening a device is concerned.
struct UserIdentity {
    unsigned uid = 0;
    std::string name;
    // The groups this process has now: the primary one and the supplementary ones. A
    // group the user was added to after logging in is not among them.
    std::vector<unsigned> groups;

    static UserIdentity ofThisProcess();
};

// The parts of the system the connection check looks at: device files, sysfs, /proc,
// the group file, lock files and udev's rules and database. Every path is given as it
// is on the system ("/sys/class/tty") and looked up under `root`, so a test lays out a
// folder like the system and points a view at it.
class SystemView {
public:
    // The running system, as this process's user.
    static SystemView live();
    // A tree laid out like a system under `root`, seen by `user`.
    SystemView(std::filesystem::path root, UserIdentity user, int ownPid = 0);

    // Where the system path `absolute` is in this view.
    std::filesystem::path at(const std::string& absolute) const;
    // The system path of a file of this view (the root taken off again).
    std::string systemPath(const std::filesystem::path& inView) const;
    bool isLive() const { return m_root.empty(); }

    const UserIdentity& user() const { return m_user; }
    // The process running the check, left out when looking for a port's holders.
    int ownPid() const { return m_ownPid; }

    // At most `limit` bytes of the file; nothing when it cannot be read.
    std::optional<std::string> readText(const std::string& absolute,
                                        std::size_t limit = 256 * 1024) const;
    // The names in a folder, sorted; empty when it cannot be listed.
    std::vector<std::string> list(const std::string& absolute) const;
    bool exists(const std::string& absolute) const;

    std::string lockFolder = "/var/lock";
    std::vector<std::string> udevRuleFolders{"/etc/udev/rules.d", "/run/udev/rules.d",
                                             "/usr/lib/udev/rules.d", "/lib/udev/rules.d"};

private:
    std::filesystem::path m_root; // empty for the running system
    UserIdentity m_user;
    int m_ownPid = 0;
};

// The readers of the system's own text files. Each takes whatever bytes the file
// holds and never reads past them.

// The process id a UUCP lock file names ("      1234\n", blanks around it allowed), or
// 0 when it names none.
int lockFilePid(std::string_view text);

struct GroupEntry {
    std::string name;
    unsigned gid = 0;
    std::vector<std::string> members;
};
// The lines of an /etc/group file that are well formed.
std::vector<GroupEntry> parseGroupFile(std::string_view text);

// The value of "E:KEY=value" in a udev database entry, or nothing.
std::optional<std::string> udevProperty(std::string_view database, std::string_view key);

// The line numbers (from 1) of udev rules that match USB devices `vendor`:`product`
// (four hex digits each, any case), by ATTRS{idVendor}/ATTRS{idProduct} on one line or
// by ENV{PRODUCT}=="vendor/product/..." as brltty's rules name them. A line that names
// only the vendor matches every product of it; a commented line matches nothing.
// `mustContain`, when given, must also be on the line.
std::vector<int> rulesMatching(std::string_view rules, std::string_view vendor,
                               std::string_view product, std::string_view mustContain = {});

} // namespace program::diagnosis
