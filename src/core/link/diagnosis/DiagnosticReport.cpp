#include "link/diagnosis/DiagnosticReport.h"

#include <algorithm>
#include <set>

namespace program::diagnosis {

namespace {

std::string firstLine(std::string text) {
    const auto end = text.find('\n');
    if (end != std::string::npos)
        text.resize(end);
    return text;
}

// PRETTY_NAME="Debian GNU/Linux 12 (bookworm)" of os-release.
std::string osName(const SystemView& system) {
    const auto release = system.readText("/etc/os-release", 16 * 1024);
    if (!release)
        return "unknown";
    const std::string key = "PRETTY_NAME=";
    std::size_t at = 0;
    while (at < release->size()) {
        const std::size_t end = std::min(release->find('\n', at), release->size());
        std::string line = release->substr(at, end - at);
        if (line.starts_with(key)) {
            line.erase(0, key.size());
            if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
                line = line.substr(1, line.size() - 2);
            return line;
        }
        at = end + 1;
    }
    return "unknown";
}

const BilingualText& heading(int which) {
    static const BilingualText headings[] = {
        {"Connection report", "连接检查报告"},
        {"Serial ports", "串口"},
        {"Checks", "检查"},
        {"Traffic of the check", "检查的通信记录"},
        {"no USB serial port", "没有 USB 串口"},
    };
    return headings[which];
}

} // namespace

std::string checkLines(const std::vector<Check>& checks, Language language) {
    std::string text;
    for (const Check& check : checks) {
        const char* mark = check.verdict == Verdict::Passed    ? "ok      "
                           : check.verdict == Verdict::Problem ? "problem "
                                                               : "-       ";
        text += mark + check.finding.pick(language) + "\n";
        if (check.verdict == Verdict::Problem && !check.fix.english.empty())
            text += "        " + check.fix.pick(language) + "\n";
    }
    return text;
}

std::string portTitle(const DeviceFacts& facts) {
    std::string title = facts.device;
    if (facts.portNumber > 0)
        title += " (COM" + std::to_string(facts.portNumber) + ")";
    if (!facts.usbName().empty())
        title += ", " + facts.usbName();
    return title;
}

std::string diagnosticReport(const SystemView& system, const ReportContext& context,
                             const std::vector<PortDiagnosis>& ports,
                             const std::optional<Check>& noPort, Language language) {
    auto pick = [language](int which) { return heading(which).pick(language); };
    std::string text = "== " + pick(0) + " ==\n";
    text += "version: " + context.version + "\n";
    text += "settings: " + context.settingsFile + "\n";
    std::string kernel = firstLine(system.readText("/proc/sys/kernel/osrelease", 256).value_or(""));
    text +=
        "system: " + osName(system) + ", kernel " + (kernel.empty() ? "unknown" : kernel) + "\n";

    const UserIdentity& user = system.user();
    const auto groups = parseGroupFile(system.readText("/etc/group").value_or(""));
    std::string names;
    for (unsigned gid : user.groups) {
        std::string name = std::to_string(gid);
        for (const GroupEntry& g : groups)
            if (g.gid == gid)
                name = g.name;
        names += (names.empty() ? "" : " ") + name;
    }
    std::string listed;
    for (const GroupEntry& g : groups) {
        const bool member =
            std::find(g.members.begin(), g.members.end(), user.name) != g.members.end();
        const bool have =
            std::find(user.groups.begin(), user.groups.end(), g.gid) != user.groups.end();
        if (member && !have)
            listed += (listed.empty() ? "" : " ") + g.name;
    }
    text +=
        "user: " + user.name + " (uid " + std::to_string(user.uid) + "), groups: " + names + "\n";
    if (!listed.empty())
        text += "groups in /etc/group not yet in this login: " + listed + "\n";

    // The USB ports, then the devices of COM1-COM16 that exist.
    text += "\n== " + pick(1) + " ==\n";
    std::vector<std::string> devices = usbSerialPorts(system);
    for (int n = FirstPortNumber; n <= LastPortNumber; ++n) {
        const std::string device = devicePathForPort(n, context.overrides);
        if (!device.empty() && system.exists(device) &&
            std::find(devices.begin(), devices.end(), device) == devices.end())
            devices.push_back(device);
    }
    if (devices.empty())
        text += pick(4) + "\n";
    for (const std::string& device : devices) {
        const DeviceFacts facts = deviceFacts(system, device, context.overrides);
        std::string line = portTitle(facts);
        if (facts.usb())
            line += ", USB " + facts.vendorId + ":" + facts.productId;
        if (!facts.driver.empty())
            line += ", driver " + facts.driver;
        if (!facts.byId.empty())
            line += ", by-id " + facts.byId;
        text += line + "\n";
    }

    text += "\n== " + pick(2) + " ==\n";
    if (noPort)
        text += checkLines({*noPort}, language);
    for (const PortDiagnosis& port : ports)
        text += portTitle(port.facts) + ":\n" + checkLines(port.checks, language);

    for (const PortDiagnosis& port : ports) {
        if (port.traffic.empty())
            continue;
        text += "\n== " + pick(3) + ": " + port.facts.device + " ==\n";
        for (const std::string& line : port.traffic)
            text += line + "\n";
    }
    return text;
}

} // namespace program::diagnosis
