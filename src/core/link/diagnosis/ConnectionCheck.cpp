#include "link/diagnosis/ConnectionCheck.h"

#include "app/Trimmed.h"
#include "model/HexText.h"

#include "link/ImageTransfer.h"
#include "link/LinkTexts.h"
#include "link/PromptingHandshake.h"
#include "link/WireSession.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace program::diagnosis {

namespace {

namespace fs = std::filesystem;

bool isNumber(const std::string& name) {
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

fs::path canonicalIn(const SystemView& system, const std::string& absolute) {
    std::error_code error;
    fs::path resolved = fs::canonical(system.at(absolute), error);
    return error ? fs::path() : resolved;
}

Check make(CheckKind kind, Verdict verdict, BilingualText finding, BilingualText fix = {}) {
    return Check{kind, verdict, std::move(finding), std::move(fix)};
}

// ---- what the device is ----------------------------------------------------------

void readSysfs(const SystemView& system, DeviceFacts& facts) {
    const std::string classDir = "/sys/class/tty/" + facts.kernelName;
    facts.majorMinor = trimmed(system.readText(classDir + "/dev", 64).value_or(""));
    std::error_code error;
    const fs::path port = fs::canonical(system.at(classDir + "/device"), error);
    if (error)
        return;
    const fs::path driver = fs::read_symlink(port / "driver", error);
    if (!error)
        facts.driver = driver.filename().string();
    // The USB device is the nearest folder above the port that carries the ids.
    const fs::path sysRoot = system.at("/sys");
    for (fs::path at = port; at.has_relative_path() && at != sysRoot && at != at.parent_path();
         at = at.parent_path()) {
        const std::string folder = system.systemPath(at);
        if (auto vendor = system.readText(folder + "/idVendor", 64)) {
            facts.vendorId = trimmed(*vendor);
            facts.productId = trimmed(system.readText(folder + "/idProduct", 64).value_or(""));
            facts.manufacturer =
                trimmed(system.readText(folder + "/manufacturer", 256).value_or(""));
            facts.product = trimmed(system.readText(folder + "/product", 256).value_or(""));
            return;
        }
    }
}

// ---- the processes ---------------------------------------------------------------

struct Process {
    int pid = 0;
    std::string name;
    bool fdsReadable = false;
    std::vector<std::string> files; // what its descriptors point at
};

// Every process of /proc with its name and open files; nothing without /proc.
std::vector<Process> processes(const SystemView& system) {
    std::vector<Process> found;
    for (const std::string& entry : system.list("/proc")) {
        if (!isNumber(entry))
            continue;
        Process process;
        process.pid = std::stoi(entry);
        process.name = trimmed(system.readText("/proc/" + entry + "/comm", 64).value_or("?"));
        std::error_code error;
        fs::directory_iterator it(system.at("/proc/" + entry + "/fd"), error);
        process.fdsReadable = !error;
        for (fs::directory_iterator end; !error && it != end; it.increment(error)) {
            std::error_code linkError;
            const fs::path target = fs::read_symlink(it->path(), linkError);
            if (!linkError)
                process.files.push_back(target.string());
        }
        found.push_back(std::move(process));
    }
    return found;
}

bool procThere(const SystemView& system) {
    return !system.list("/proc").empty();
}

BilingualText processNamed(const Process& process) {
    const std::string pid = std::to_string(process.pid);
    return {process.name + " (process " + pid + ")", process.name + "(进程 " + pid + ")"};
}

const std::string MmCommand = "sudo systemctl stop ModemManager";

std::string mmRule(const DeviceFacts& facts) {
    return "ATTRS{idVendor}==\"" + facts.vendorId + "\", ATTRS{idProduct}==\"" + facts.productId +
           "\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"";
}

BilingualText mmFix(const DeviceFacts& facts) {
    BilingualText fix{"Stop it while programming: " + MmCommand + ".",
                      "写频时停止它:" + MmCommand + "。"};
    if (facts.usb()) {
        const std::string rule = mmRule(facts);
        fix.english += " To keep it away from this cable for good, put the line " + rule +
                       " into /etc/udev/rules.d/99-radio-cable.rules and plug the cable in again.";
        fix.chinese += "若要让它永远不碰这条写频线,把这一行 " + rule +
                       " 写入 /etc/udev/rules.d/99-radio-cable.rules,然后重新插上写频线。";
    }
    return fix;
}

const BilingualText BrlttyFix{
    "Remove brltty (it is needed only for a braille display): sudo apt remove brltty, then "
    "unplug the cable and plug it in again.",
    "卸载 brltty(它只用于盲文显示器):sudo apt remove brltty,然后拔下写频线再重新插上。"};

BilingualText closeFix(const Process& process) {
    const std::string pid = std::to_string(process.pid);
    return {"Close " + process.name + ", or end it: kill " + pid + ".",
            "关闭 " + process.name + ",或结束它:kill " + pid + "。"};
}

BilingualText holderFix(const Process& process) {
    if (process.name == "ModemManager")
        return {"ModemManager takes serial cables for modems. " + MmCommand +
                    ", then run the check again.",
                "ModemManager 把串口线当作调制解调器占用。执行 " + MmCommand + ",然后再检查一次。"};
    if (process.name.starts_with("brltty"))
        return BrlttyFix;
    return closeFix(process);
}

// ---- the checks ------------------------------------------------------------------

Check deviceCheck(const DeviceFacts& facts) {
    const std::string& d = facts.device;
    if (facts.exists) {
        const std::string shown = facts.systemPath == d ? d : d + " (" + facts.systemPath + ")";
        return make(CheckKind::Device, Verdict::Passed, {shown + " is there.", shown + " 存在。"});
    }
    return make(
        CheckKind::Device, Verdict::Problem,
        {d + " does not exist: no cable is plugged in there, or its driver did not take it.",
         d + " 不存在:那里没有插写频线,或者驱动程序没有接管它。"},
        {"Plug the cable in and look at ls -l /dev/serial/by-id to see the port it gets; "
         "sudo dmesg | tail tells what the system did with it.",
         "插上写频线,用 ls -l /dev/serial/by-id 查看它得到的串口;"
         "sudo dmesg | tail 显示系统如何处理了它。"});
}

Check identityCheck(const DeviceFacts& facts) {
    if (!facts.exists)
        return make(CheckKind::Identity, Verdict::NotApplicable,
                    {"There is no device to look at.", "没有可查看的设备。"});
    if (!facts.sysfs)
        return make(CheckKind::Identity, Verdict::NotApplicable,
                    {"There is no /sys/class/tty here (a container or another system), so what "
                     "the device is cannot be looked up.",
                     "这里没有 /sys/class/tty(容器或其他系统),无法查出设备是什么。"});
    if (facts.majorMinor.empty())
        return make(CheckKind::Identity, Verdict::NotApplicable,
                    {facts.systemPath +
                         " is not a serial port of this computer (a pseudo-terminal or another "
                         "program's link).",
                     facts.systemPath + " 不是本机的串口(伪终端或其他程序的连接)。"});
    if (!facts.usb()) {
        const std::string driver = facts.driver.empty() ? "" : ", driver " + facts.driver;
        const std::string driverZh = facts.driver.empty() ? "" : ",驱动 " + facts.driver;
        return make(CheckKind::Identity, Verdict::Passed,
                    {"A serial port of the computer itself" + driver + ".",
                     "计算机本身的串口" + driverZh + "。"});
    }
    std::string english = "A USB serial cable: ";
    std::string chinese = "USB 串口写频线:";
    const std::string name = facts.usbName();
    const std::string ids = "USB " + facts.vendorId + ":" + facts.productId;
    std::string rest = name.empty() ? ids : name + ", " + ids;
    if (!facts.manufacturer.empty() && facts.manufacturer != name)
        rest += " (" + facts.manufacturer + ")";
    english += rest;
    chinese += rest;
    if (!facts.driver.empty()) {
        english += ", driver " + facts.driver;
        chinese += ",驱动 " + facts.driver;
    }
    if (!facts.byId.empty()) {
        english += ", /dev/serial/by-id/" + facts.byId;
        chinese += ",/dev/serial/by-id/" + facts.byId;
    }
    return make(CheckKind::Identity, Verdict::Passed, {english + ".", chinese + "。"});
}

Check portNumberCheck(const DeviceFacts& facts) {
    if (facts.portNumber > 0) {
        const std::string com = "COM" + std::to_string(facts.portNumber);
        return make(CheckKind::PortNumber, Verdict::Passed,
                    {com + " of Com Setup opens it.", "串口设置中的 " + com + " 打开它。"});
    }
    const std::string line = "COM1=" + facts.device;
    return make(
        CheckKind::PortNumber, Verdict::Problem,
        {"None of COM1-COM16 opens it, so the desktop program cannot use it.",
         "COM1-COM16 都不打开它,桌面程序无法使用它。"},
        {"Add the line " + line +
             " to the section [Ports] of Program.ini, then choose COM1 in Setup > Com "
             "Setup.",
         "在 Program.ini 的 [Ports] 段加入一行 " + line + ",然后在“设置 > 串口设置”中选 COM1。"});
}

struct PermissionOutcome {
    Check check;
    bool mayOpen = true;
};

std::string modeText(mode_t mode) {
    std::string text = S_ISCHR(mode) ? "c" : "-";
    const char* letters = "rwxrwxrwx";
    for (int bit = 0; bit < 9; ++bit)
        text += (mode & (0400 >> bit)) ? letters[bit] : '-';
    return text;
}

PermissionOutcome permissionCheck(const SystemView& system, const DeviceFacts& facts) {
    const CheckKind kind = CheckKind::Permission;
    if (!facts.exists)
        return {make(kind, Verdict::NotApplicable, {"There is no device.", "没有设备。"}), false};
    struct stat status {};
    if (::stat(system.at(facts.device).c_str(), &status) != 0)
        return {
            make(kind, Verdict::NotApplicable,
                 {"Its owner and permissions cannot be looked at.", "无法查看它的属主和权限。"}),
            true};
    const UserIdentity& user = system.user();
    const auto groups = parseGroupFile(system.readText("/etc/group").value_or(""));
    std::string group = std::to_string(status.st_gid);
    const GroupEntry* entry = nullptr;
    for (const GroupEntry& g : groups) {
        if (g.gid == status.st_gid) {
            group = g.name;
            entry = &g;
            break;
        }
    }
    const std::string& d = facts.systemPath;
    const std::string who = user.name;
    if (user.uid == 0)
        return {make(kind, Verdict::Passed,
                     {"You are root, who may open any device.", "您是 root,可以打开任何设备。"}),
                true};

    const bool inGroup =
        std::find(user.groups.begin(), user.groups.end(), status.st_gid) != user.groups.end();
    constexpr mode_t ReadWrite = 06;
    mode_t granted = status.st_mode & ReadWrite; // others
    if (status.st_uid == user.uid)
        granted = (status.st_mode >> 6) & ReadWrite;
    else if (inGroup)
        granted = (status.st_mode >> 3) & ReadWrite;
    bool may = granted == ReadWrite;
    // An access list (as the desktop session hands out for some devices) may grant what
    // the mode bits do not; the system's own answer counts for the running system.
    if (!may && system.isLive())
        may = ::access(system.at(facts.device).c_str(), R_OK | W_OK) == 0;
    const std::string mode = modeText(status.st_mode);
    if (may)
        return {
            make(kind, Verdict::Passed,
                 {"You (" + who + ") may read and write it (" + mode + ", group " + group + ").",
                  "您(" + who + ")可以读写它(" + mode + ",组 " + group + ")。"}),
            true};

    const bool groupMay = ((status.st_mode >> 3) & ReadWrite) == ReadWrite;
    if (!groupMay)
        return {make(kind, Verdict::Problem,
                     {"Only its owner may open " + d + " (" + mode + ").",
                      "只有属主可以打开 " + d + "(" + mode + ")。"},
                     {"Let the group dialout have it with a udev rule: put the line "
                      "SUBSYSTEM==\"tty\", GROUP=\"dialout\", MODE=\"0660\" into "
                      "/etc/udev/rules.d/99-radio-cable.rules, plug the cable in again, and be "
                      "in the group dialout (sudo usermod -aG dialout " +
                          who + ", then log out and in again).",
                      "用 udev 规则把它交给 dialout 组:把一行 SUBSYSTEM==\"tty\", "
                      "GROUP=\"dialout\", MODE=\"0660\" 写入 "
                      "/etc/udev/rules.d/99-radio-cable.rules,重新插上写频线,并加入 dialout 组"
                      "(sudo usermod -aG dialout " +
                          who + ",然后注销并重新登录)。"}),
                false};
    const bool listed = entry && std::find(entry->members.begin(), entry->members.end(), who) !=
                                     entry->members.end();
    if (listed)
        return {make(kind, Verdict::Problem,
                     {d + " belongs to the group " + group + ", and you (" + who +
                          ") were added to it after this login began, so it does not count yet.",
                      d + " 属于 " + group + " 组;您(" + who +
                          ")是在本次登录之后才加入该组的,所以还不生效。"},
                     {"Log out and log in again (or restart the computer). In a terminal, newgrp " +
                          group + " gives the group to that terminal alone.",
                      "注销并重新登录(或重新启动计算机)。在终端中,newgrp " + group +
                          " 只让该终端获得这个组。"}),
                false};
    return {make(kind, Verdict::Problem,
                 {d + " may be opened only by the group " + group + " (" + mode + "), and you (" +
                      who + ") are not in it.",
                  d + " 只有 " + group + " 组可以打开(" + mode + "),而您(" + who + ")不在该组中。"},
                 {"Run: sudo usermod -aG " + group + " " + who + ", then log out and log in again.",
                  "执行:sudo usermod -aG " + group + " " + who + ",然后注销并重新登录。"}),
            false};
}

struct HolderOutcome {
    Check check;
    bool held = false;
};

HolderOutcome lockFileCheck(const SystemView& system, const DeviceFacts& facts) {
    const CheckKind kind = CheckKind::LockFile;
    const std::string file = system.lockFolder + "/LCK.." + facts.kernelName;
    if (!system.exists(system.lockFolder))
        return {make(kind, Verdict::NotApplicable,
                     {"There is no lock folder " + system.lockFolder + " to look in.",
                      "没有可查看的锁文件夹 " + system.lockFolder + "。"})};
    const auto text = system.readText(file, 64);
    if (!text)
        return {make(kind, Verdict::Passed,
                     {"No program has put a lock file on it.", "没有程序给它加锁文件。"})};
    const int pid = lockFilePid(*text);
    if (pid == 0 || pid == system.ownPid())
        return {make(kind, Verdict::Passed,
                     {"Its lock file " + file + " names no running program; a read replaces it.",
                      "它的锁文件 " + file + " 没有指明运行中的程序;读频时会替换它。"})};
    const std::string number = std::to_string(pid);
    if (!procThere(system))
        return {make(kind, Verdict::NotApplicable,
                     {"Its lock file " + file + " names process " + number +
                          "; without /proc it cannot be told whether that still runs.",
                      "它的锁文件 " + file + " 指明进程 " + number +
                          ";没有 /proc 无法判断该进程是否还在运行。"})};
    if (!system.exists("/proc/" + number))
        return {make(
            kind, Verdict::Passed,
            {"Its lock file " + file + " is left over from process " + number +
                 ", which no longer runs; a read replaces it.",
             "它的锁文件 " + file + " 是已不再运行的进程 " + number + " 留下的;读频时会替换它。"})};
    Process holder{
        pid,
        std::string(trimmed(system.readText("/proc/" + number + "/comm", 64).value_or("?"))),
        false,
        {}};
    const BilingualText named = processNamed(holder);
    return {make(kind, Verdict::Problem,
                 {"Its lock file " + file + " says " + named.english + " holds it.",
                  "它的锁文件 " + file + " 表明 " + named.chinese + " 正占用它。"},
                 holderFix(holder)),
            true};
}

HolderOutcome openByCheck(const SystemView& system, const DeviceFacts& facts,
                          const std::vector<Process>& all) {
    const CheckKind kind = CheckKind::OpenBy;
    if (all.empty())
        return {make(kind, Verdict::NotApplicable,
                     {"There is no /proc here (a container or another system), so who has it "
                      "open cannot be looked at.",
                      "这里没有 /proc(容器或其他系统),无法查看谁打开了它。"})};
    std::vector<const Process*> holders;
    int unreadable = 0;
    for (const Process& process : all) {
        if (process.pid == system.ownPid())
            continue;
        if (!process.fdsReadable)
            ++unreadable;
        if (std::find(process.files.begin(), process.files.end(), facts.systemPath) !=
            process.files.end())
            holders.push_back(&process);
    }
    if (holders.empty()) {
        BilingualText finding{"No other program has it open.", "没有其他程序打开它。"};
        if (unreadable > 0 && system.user().uid != 0) {
            finding.english = "No program of yours has it open (those of other users, "
                              "such as system services, can be seen only by root).";
            finding.chinese = "您的程序都没有打开它(其他用户的程序,例如系统服务,只有 root "
                              "才能看到)。";
        }
        return {make(kind, Verdict::Passed, finding)};
    }
    BilingualText names;
    for (const Process* holder : holders) {
        const BilingualText named = processNamed(*holder);
        names.english += (names.english.empty() ? "" : ", ") + named.english;
        names.chinese += (names.chinese.empty() ? "" : "、") + named.chinese;
    }
    const bool one = holders.size() == 1;
    return {make(kind, Verdict::Problem,
                 {names.english + (one ? " has" : " have") + " it open.",
                  names.chinese + " 打开了它。"},
                 holderFix(*holders.front())),
            true};
}

Check modemManagerCheck(const SystemView& system, const DeviceFacts& facts,
                        const std::vector<Process>& all, bool radioAnswered) {
    const CheckKind kind = CheckKind::ModemManager;
    if (!facts.exists)
        return make(kind, Verdict::NotApplicable, {"There is no device.", "没有设备。"});
    if (all.empty())
        return make(kind, Verdict::NotApplicable,
                    {"Without /proc it cannot be told whether ModemManager runs.",
                     "没有 /proc,无法判断 ModemManager 是否在运行。"});
    const auto mm = std::find_if(all.begin(), all.end(),
                                 [](const Process& p) { return p.name == "ModemManager"; });
    if (mm == all.end())
        return make(kind, Verdict::Passed,
                    {"ModemManager is not running.", "ModemManager 没有运行。"});
    bool ignored = false;
    if (!facts.majorMinor.empty()) {
        const auto database = system.readText("/run/udev/data/c" + facts.majorMinor);
        ignored = database && udevProperty(*database, "ID_MM_DEVICE_IGNORE") == "1";
    }
    if (!ignored && facts.usb()) {
        for (const std::string& folder : system.udevRuleFolders) {
            for (const std::string& name : system.list(folder)) {
                const auto rules = system.readText(folder + "/" + name);
                if (rules &&
                    !rulesMatching(*rules, facts.vendorId, facts.productId, "ID_MM_DEVICE_IGNORE")
                         .empty())
                    ignored = true;
            }
        }
    }
    if (ignored)
        return make(kind, Verdict::Passed,
                    {"ModemManager runs, and is told to leave this port alone.",
                     "ModemManager 在运行,但已被告知不要碰这个串口。"});
    if (radioAnswered)
        return make(kind, Verdict::Passed,
                    {"ModemManager runs and is not told to leave this port alone, but it did not "
                     "get in the way of the check.",
                     "ModemManager 在运行且未被告知不要碰这个串口,但它没有妨碍这次检查。"});
    return make(kind, Verdict::Problem,
                {"ModemManager runs and is not told to leave this port alone: it may open the "
                 "port to look for a modem and garble or take the radio's answers.",
                 "ModemManager 在运行且未被告知不要碰这个串口:它可能打开串口寻找调制解调器,"
                 "扰乱或抢走对讲机的应答。"},
                mmFix(facts));
}

Check brlttyCheck(const SystemView& system, const DeviceFacts& facts, bool radioAnswered) {
    const CheckKind kind = CheckKind::Brltty;
    if (!facts.exists)
        return make(kind, Verdict::NotApplicable, {"There is no device.", "没有设备。"});
    if (!facts.usb())
        return make(kind, Verdict::NotApplicable,
                    {"Not a USB device, which brltty's rules do not take.",
                     "不是 USB 设备,brltty 的规则不会接管它。"});
    std::string where;
    for (const std::string& folder : system.udevRuleFolders) {
        for (const std::string& name : system.list(folder)) {
            if (name.find("brltty") == std::string::npos)
                continue;
            const auto rules = system.readText(folder + "/" + name);
            if (!rules)
                continue;
            const auto lines = rulesMatching(*rules, facts.vendorId, facts.productId);
            if (!lines.empty() && where.empty())
                where = folder + "/" + name + ":" + std::to_string(lines.front());
        }
    }
    const std::string ids = facts.vendorId + ":" + facts.productId;
    if (where.empty())
        return make(kind, Verdict::Passed,
                    {"No brltty rule takes USB devices " + ids + ".",
                     "没有 brltty 规则接管 USB 设备 " + ids + "。"});
    if (radioAnswered)
        return make(kind, Verdict::Passed,
                    {"brltty's udev rule (" + where + ") takes USB devices " + ids +
                         ", this cable's chip, but it left the cable alone this time.",
                     "brltty 的 udev 规则(" + where + ")会接管 USB 设备 " + ids +
                         "(本写频线的芯片),但这次它没有碰写频线。"});
    return make(kind, Verdict::Problem,
                {"brltty's udev rule (" + where + ") takes USB devices " + ids +
                     ", this cable's chip, for a braille display.",
                 "brltty 的 udev 规则(" + where + ")会把 USB 设备 " + ids +
                     "(本写频线的芯片)当作盲文显示器接管。"},
                BrlttyFix);
}

std::string bandText(const wire::IdentityRecord& identity) {
    constexpr std::int64_t PerMegahertz = 100000;
    return std::to_string(identity.lowerLimit / PerMegahertz) + "-" +
           std::to_string(identity.upperLimit / PerMegahertz) + " MHz";
}

const BilingualText NoAnswerFix{
    "Switch the radio on; push the cable's plug firmly and fully into the radio's socket (a "
    "plug halfway in is the most common cause); make sure this is the port of the cable.",
    "打开对讲机电源;把写频线插头用力完全插入对讲机插孔(插头只插了一半是最常见的原因);"
    "确认这是写频线所接的串口。"};

const BilingualText GarbledFix{
    "A cable with a faulty or counterfeit chip garbles bytes, or another device answers on this "
    "port: try another cable, and check that nothing else is plugged into this port.",
    "芯片有故障或是假冒芯片的写频线会弄乱字节,或者是另一台设备在这个串口上应答:"
    "换一条写频线试试,并确认这个串口上没有插别的设备。"};

Check radioCheck(const RadioAnswer& answer, const std::string& device) {
    const CheckKind kind = CheckKind::Radio;
    using Outcome = RadioAnswer::Outcome;
    switch (answer.outcome) {
    case Outcome::Answered: {
        const std::string model(1, static_cast<char>(answer.identity.model));
        const std::string band = bandText(answer.identity);
        return make(kind, Verdict::Passed,
                    {"A radio answers: model " + model + ", " + band + ".",
                     "对讲机有应答:型号 " + model + "," + band + "。"});
    }
    case Outcome::NoAnswer: {
        const std::string tries = std::to_string(answer.wakeAttempts);
        return make(kind, Verdict::Problem,
                    {"No answer from a radio after " + tries + " wake attempts.",
                     "唤醒 " + tries + " 次,对讲机都没有应答。"},
                    NoAnswerFix);
    }
    case Outcome::Garbled:
        return make(kind, Verdict::Problem,
                    {"Bytes came back, but not a radio's answer: " + hexText(answer.received) + ".",
                     "有字节返回,但不是对讲机的应答:" + hexText(answer.received) + "。"},
                    GarbledFix);
    case Outcome::NotOpened: {
        using Status = SerialOpenResult::Status;
        if (answer.opened.status == Status::Busy)
            return make(kind, Verdict::Problem,
                        {answer.opened.detail + ".", answer.opened.detail + "。"},
                        {"Close the other program that uses the port, then check again.",
                         "关闭使用该串口的其他程序,然后再检查一次。"});
        if (answer.opened.status == Status::PermissionDenied)
            return make(kind, Verdict::Problem, linktexts::portPermissionDenied(device).text,
                        {"sudo usermod -aG dialout $USER, then log out and log in again.",
                         "sudo usermod -aG dialout $USER,然后注销并重新登录。"});
        BilingualText finding{"It could not be opened: " + answer.opened.detail + ".",
                              "无法打开它:" + answer.opened.detail + "。"};
        if (answer.opened.systemError != 0)
            finding.chinese =
                "无法打开它:" + device + ": " +
                linktexts::systemReason(answer.opened.systemError, Language::Chinese) + "。";
        return make(kind, Verdict::Problem, finding,
                    {"Check that this is a serial port and that the cable is plugged in.",
                     "确认这是串口并且写频线已插好。"});
    }
    case Outcome::Stopped:
        break;
    }
    return make(kind, Verdict::NotApplicable, {"The check was stopped.", "检查已停止。"});
}

Check againCheck(const std::vector<RadioAnswer>& answers) {
    const CheckKind kind = CheckKind::Again;
    using Outcome = RadioAnswer::Outcome;
    if (answers.empty() || answers.front().outcome != Outcome::Answered)
        return make(kind, Verdict::NotApplicable,
                    {"Not tried: the radio did not answer the first time.",
                     "未尝试:对讲机第一次就没有应答。"});
    if (answers.size() < 2 || answers[1].outcome == Outcome::Stopped)
        return make(kind, Verdict::NotApplicable, {"The check was stopped.", "检查已停止。"});
    const RadioAnswer& first = answers[0];
    const RadioAnswer& second = answers[1];
    const BilingualText flakyFix{
        "Push the plug fully in and keep the cable still; a loose plug, a worn cable or a weak "
        "battery breaks the connection now and then.",
        "把插头完全插入并保持写频线不动;插头松动、线缆磨损或电池电量不足会使连接时断时续。"};
    if (second.outcome != Outcome::Answered)
        return make(kind, Verdict::Problem,
                    {"It answered once, but not a moment later: the connection comes and goes.",
                     "它应答了一次,但片刻之后没有应答:连接时断时续。"},
                    flakyFix);
    if (second.identity.model != first.identity.model ||
        second.identity.lowerLimit != first.identity.lowerLimit ||
        second.identity.upperLimit != first.identity.upperLimit)
        return make(kind, Verdict::Problem,
                    {"It answered again a moment later, but differently: bytes are garbled on "
                     "the way.",
                     "片刻之后它再次应答,但内容不同:字节在传输中被弄乱。"},
                    GarbledFix);
    const int most = std::max(first.wakeAttempts, second.wakeAttempts);
    if (most > 1) {
        const std::string tries = std::to_string(most);
        return make(kind, Verdict::Problem,
                    {"It answered again a moment later, but only after " + tries +
                         " wake attempts: the connection is unsteady.",
                     "片刻之后它再次应答,但唤醒了 " + tries + " 次才应答:连接不稳定。"},
                    flakyFix);
    }
    return make(kind, Verdict::Passed,
                {"It answered the same again a moment later, at the first wake.",
                 "片刻之后它再次同样应答,第一次唤醒就应答了。"});
}

// The port as the probe uses it: every step and byte noted, for the report.
class RecordingLink final : public SerialLink {
public:
    RecordingLink(SerialLink& inner, std::vector<std::string>& lines)
        : m_inner(inner), m_lines(lines), m_start(std::chrono::steady_clock::now()) {}

    SerialOpenResult open(const std::string& device) override {
        auto result = m_inner.open(device);
        note("--", "open " + device + (result.ok() ? "" : " failed: " + result.detail));
        return result;
    }
    bool isOpen() const override { return m_inner.isOpen(); }
    void close() override {
        if (m_inner.isOpen())
            note("--", "close");
        m_inner.close();
    }
    void setQueueSizes(std::size_t input, std::size_t output) override {
        m_inner.setQueueSizes(input, output);
    }
    void setLineSettings(const LineSettings& settings) override {
        m_inner.setLineSettings(settings);
    }
    void setTimeouts(const SerialTimeouts& timeouts) override { m_inner.setTimeouts(timeouts); }
    void purge() override { m_inner.purge(); }
    void clear() override { m_inner.clear(); }
    SerialReadResult read(std::size_t count) override {
        auto result = m_inner.read(count);
        received.insert(received.end(), result.bytes.begin(), result.bytes.end());
        std::string text = hexText(result.bytes);
        if (result.error)
            text += " (read error)";
        else if (result.bytes.size() < count)
            text += (text.empty() ? "(" : " (") + std::to_string(result.bytes.size()) + " of " +
                    std::to_string(count) + ", time-out)";
        note("<", text);
        return result;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        const bool ok = m_inner.write(bytes);
        note(">", hexText(bytes) + (ok ? "" : " (write failed)"));
        return ok;
    }

    std::vector<std::uint8_t> received;

private:
    void note(const char* direction, const std::string& text) {
        // A silent radio makes hundreds of lines; the first ones tell the story.
        constexpr std::size_t MostLines = 400;
        if (m_lines.size() >= MostLines)
            return;
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - m_start)
                            .count();
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "%5lld.%03lld", static_cast<long long>(ms / 1000),
                      static_cast<long long>(ms % 1000));
        m_lines.push_back(std::string(stamp) + " " + direction + " " + text);
    }

    SerialLink& m_inner;
    std::vector<std::string>& m_lines;
    std::chrono::steady_clock::time_point m_start;
};

// The wake and the identification of a read, short of the confirmation.
RadioAnswer identifyOnce(WireSession& session, ProbeHost& host, RecordingLink* recording) {
    RadioAnswer answer;
    const std::size_t receivedBefore = recording ? recording->received.size() : 0;
    bool garbled = false;
    PromptingHandshakeSteps steps;
    steps.clearBeforeEachWakeByte = true;
    steps.clearAfterConfirm = true;
    steps.beforeAttempt = [&]() -> std::optional<TransferResult> {
        if (host.stopRequested())
            return TransferResult{TransferResult::Outcome::Cancelled, std::nullopt, {}};
        ++answer.wakeAttempts;
        return std::nullopt;
    };
    steps.checkIdentity = [&](const SerialReadResult& reply) {
        const auto identity = wire::IdentityRecord::parse(reply.bytes);
        if (!reply.error && identity)
            answer.identity = *identity;
        else {
            garbled = true;
            answer.received = reply.bytes;
        }
        // Ends before the confirmation: the radio stays idle.
        return IdentityVerdict{IdentityVerdict::Action::End,
                               {TransferResult::Outcome::Completed, std::nullopt, {}}};
    };
    const auto end = runPromptingHandshake(session, host, steps);
    using Outcome = RadioAnswer::Outcome;
    if (host.stopRequested())
        answer.outcome = Outcome::Stopped;
    else if (garbled)
        answer.outcome = Outcome::Garbled;
    else if (end && end->completed())
        answer.outcome = Outcome::Answered;
    else if (recording && recording->received.size() > receivedBefore) {
        // Bytes came, but never an acknowledge of the wake.
        constexpr std::size_t Shown = 24;
        const auto first = recording->received.begin() + static_cast<long>(receivedBefore);
        const auto count =
            std::min(Shown, static_cast<std::size_t>(recording->received.end() - first));
        answer.received.assign(first, first + static_cast<long>(count));
        answer.outcome = Outcome::Garbled;
    } else
        answer.outcome = Outcome::NoAnswer;
    if (answer.outcome == Outcome::NoAnswer)
        answer.wakeAttempts = std::min(answer.wakeAttempts, WakeAttemptsBeforePrompt);
    return answer;
}

std::vector<RadioAnswer> identifyWith(SerialLink& link, RecordingLink* recording, ProbeHost& host,
                                      const std::string& device, int againAfterMs) {
    std::vector<RadioAnswer> answers;
    WireSession session(link, host);
    const SerialOpenResult opened = link.open(device);
    if (!opened.ok()) {
        RadioAnswer failed;
        failed.outcome = RadioAnswer::Outcome::NotOpened;
        failed.opened = opened;
        answers.push_back(failed);
        return answers;
    }
    link.setQueueSizes(WireSession::InputQueueSize, WireSession::OutputQueueSize);
    link.setTimeouts(ImageTransfer::LinkTimeouts);
    link.setLineSettings(LineSettings{});
    answers.push_back(identifyOnce(session, host, recording));
    if (answers.back().outcome == RadioAnswer::Outcome::Answered) {
        host.sleepMs(againAfterMs);
        answers.push_back(identifyOnce(session, host, recording));
    }
    session.close();
    return answers;
}

} // namespace

std::string DeviceFacts::usbName() const {
    return product.empty() ? manufacturer : product;
}

DeviceFacts deviceFacts(const SystemView& system, const std::string& device,
                        const PortOverrides& overrides) {
    DeviceFacts facts;
    facts.device = device;
    facts.systemPath = device;
    facts.kernelName = fs::path(device).filename().string();
    facts.sysfs = system.exists("/sys/class/tty");
    const fs::path resolved = canonicalIn(system, device);
    facts.exists = !resolved.empty();
    if (facts.exists) {
        facts.systemPath = system.systemPath(resolved);
        facts.kernelName = resolved.filename().string();
        readSysfs(system, facts);
        for (const std::string& name : system.list("/dev/serial/by-id")) {
            if (canonicalIn(system, "/dev/serial/by-id/" + name) == resolved) {
                facts.byId = name;
                break;
            }
        }
    }
    for (int n = FirstPortNumber; n <= LastPortNumber && facts.portNumber == 0; ++n) {
        const std::string path = devicePathForPort(n, overrides);
        if (path == device ||
            (facts.exists && !path.empty() && canonicalIn(system, path) == resolved))
            facts.portNumber = n;
    }
    return facts;
}

std::vector<std::string> usbSerialPorts(const SystemView& system) {
    std::vector<std::pair<std::pair<std::string, int>, std::string>> found;
    for (const std::string& name : system.list("/dev")) {
        for (const char* prefix : {"ttyUSB", "ttyACM"}) {
            const std::string digits =
                name.substr(std::min(name.size(), std::string(prefix).size()));
            if (name.starts_with(prefix) && isNumber(digits))
                found.push_back({{prefix, std::stoi(digits)}, "/dev/" + name});
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> ports;
    for (const auto& entry : found)
        ports.push_back(entry.second);
    return ports;
}

TransferHost::Answer ProbeHost::ask(const LinkMessage&, Buttons) {
    return Answer::Cancel;
}

void ProbeHost::sleepMs(int milliseconds) {
    // Sliced, so a stop ends a long pause at once.
    constexpr int Slice = 20;
    for (int left = milliseconds; left > 0 && !stopRequested(); left -= Slice)
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(left, Slice)));
}

std::vector<RadioAnswer> identifyRadio(SerialLink& link, ProbeHost& host, const std::string& device,
                                       int againAfterMs) {
    return identifyWith(link, nullptr, host, device, againAfterMs);
}

PortDiagnosis checkPort(const SystemView& system, SerialLink& link, ProbeHost& host,
                        const std::string& device, const PortOverrides& overrides,
                        const std::function<void(const Check&)>& onCheck) {
    PortDiagnosis diagnosis;
    diagnosis.facts = deviceFacts(system, device, overrides);
    const DeviceFacts& facts = diagnosis.facts;
    auto add = [&](Check check) {
        if (onCheck)
            onCheck(check);
        diagnosis.checks.push_back(std::move(check));
    };
    add(deviceCheck(facts));
    add(identityCheck(facts));
    add(portNumberCheck(facts));
    const PermissionOutcome permission = permissionCheck(system, facts);
    add(permission.check);
    const std::vector<Process> all = processes(system);
    const HolderOutcome lock = facts.exists ? lockFileCheck(system, facts) : HolderOutcome{};
    const HolderOutcome openBy = facts.exists ? openByCheck(system, facts, all) : HolderOutcome{};
    if (facts.exists) {
        add(lock.check);
        add(openBy.check);
    } else {
        const BilingualText none{"There is no device.", "没有设备。"};
        add(make(CheckKind::LockFile, Verdict::NotApplicable, none));
        add(make(CheckKind::OpenBy, Verdict::NotApplicable, none));
    }

    std::vector<RadioAnswer> answers;
    if (!facts.exists) {
        add(make(CheckKind::Radio, Verdict::NotApplicable,
                 {"Not tried: there is no device.", "未尝试:没有设备。"}));
    } else if (!permission.mayOpen) {
        add(make(CheckKind::Radio, Verdict::NotApplicable,
                 {"Not tried: you may not open the port.", "未尝试:您无权打开该串口。"}));
    } else if (lock.held || openBy.held) {
        add(make(CheckKind::Radio, Verdict::NotApplicable,
                 {"Not tried: another program holds the port, and the check leaves it alone.",
                  "未尝试:另一个程序正占用该串口,检查不去碰它。"}));
    } else {
        RecordingLink recording(link, diagnosis.traffic);
        answers = identifyWith(recording, &recording, host, device, 500);
        add(radioCheck(answers.front(), device));
    }
    if (!answers.empty() && answers.front().outcome == RadioAnswer::Outcome::Answered)
        diagnosis.radio = answers.front().identity;
    if (!answers.empty())
        add(againCheck(answers));
    else
        add(make(CheckKind::Again, Verdict::NotApplicable,
                 {"Not tried: the radio was not asked the first time.",
                  "未尝试:第一次没有询问对讲机。"}));
    add(modemManagerCheck(system, facts, all, diagnosis.radioAnswered()));
    add(brlttyCheck(system, facts, diagnosis.radioAnswered()));
    return diagnosis;
}

std::optional<Check> noUsbPortCheck(const SystemView& system) {
    if (!usbSerialPorts(system).empty())
        return std::nullopt;
    Check check = make(CheckKind::Device, Verdict::Problem,
                       {"There is no USB serial port (/dev/ttyUSB*, /dev/ttyACM*): no cable is "
                        "plugged in, or something took it.",
                        "没有 USB 串口(/dev/ttyUSB*、/dev/ttyACM*):没有插写频线,或者它被别的程序"
                        "接管了。"},
                       {"Plug the cable in. If no port appears, sudo dmesg | tail tells what "
                        "took it; Debian's brltty takes the CH340/CH341 chips of many cables: "
                        "sudo apt remove brltty, then plug the cable in again.",
                        "插上写频线。如果仍没有串口出现,sudo dmesg | tail 会显示是什么接管了它;"
                        "Debian 的 brltty 会接管很多写频线所用的 CH340/CH341 芯片:sudo apt "
                        "remove brltty,然后重新插上写频线。"});
    return check;
}

} // namespace program::diagnosis
