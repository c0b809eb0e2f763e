// doctor: finds out why the cable does not talk, port by port.

#include "CommandLine.h"
#include "ProgramFiles.h"
#include "Verbs.h"

#include "io/AtomicFile.h"
#include "link/PosixSerialLink.h"
#include "link/diagnosis/DiagnosticReport.h"

#include <cstdio>

namespace program::cli {

namespace {

constexpr const char* DoctorUsage =
    "doctor: %s (usage: program-cli doctor [--port DEVICE | --port-number N] [--report FILE])";

int usage(const std::string& error) {
    char text[256];
    std::snprintf(text, sizeof text, DoctorUsage, error.c_str());
    return fail(ExitUsage, text);
}

} // namespace

int runDoctor(const Words& words) {
    std::string error;
    const OptionSet options{{"--port", "--port-number", "--report"}, {}};
    auto line = parseCommandLine(words, options, error);
    if (line && !line->positional.empty())
        error = "too many arguments";
    if (!error.empty())
        return usage(error);
    if (line->has("--port") && line->has("--port-number"))
        return usage("give either --port or --port-number, not both");

    const PortOverrides overrides = overridesOfProgramSettings();
    std::vector<std::string> devices;
    if (line->has("--port")) {
        if (line->value("--port").empty())
            return usage("--port needs a device path, e.g. /dev/ttyUSB0");
        devices.push_back(line->value("--port"));
    } else if (line->has("--port-number")) {
        const auto number =
            parseNumber(line->value("--port-number"), FirstPortNumber, LastPortNumber);
        if (!number)
            return usage("--port-number takes a whole number from 1 to 16");
        const std::string device = devicePathForPort(static_cast<int>(*number), overrides);
        if (device.empty())
            return usage("COM" + std::to_string(*number) + " names no device");
        devices.push_back(device);
    }
    const std::string reportFile = line->value("--report");
    if (line->has("--report") && reportFile.empty())
        return usage("--report needs a file name");

    const diagnosis::SystemView system = diagnosis::SystemView::live();
    std::optional<diagnosis::Check> noPort;
    if (devices.empty()) {
        devices = diagnosis::usbSerialPorts(system);
        noPort = diagnosis::noUsbPortCheck(system);
    }
    if (noPort)
        std::fputs(diagnosis::checkLines({*noPort}, Language::English).c_str(), stdout);

    std::vector<diagnosis::PortDiagnosis> ports;
    const diagnosis::PortDiagnosis* answered = nullptr;
    for (const std::string& device : devices) {
        PosixSerialLink link;
        diagnosis::ProbeHost host;
        const auto facts = diagnosis::deviceFacts(system, device, overrides);
        std::printf("%s:\n", diagnosis::portTitle(facts).c_str());
        std::fflush(stdout);
        ports.push_back(diagnosis::checkPort(
            system, link, host, device, overrides, [](const diagnosis::Check& check) {
                std::fputs(diagnosis::checkLines({check}, Language::English).c_str(), stdout);
                std::fflush(stdout);
            }));
    }
    for (const auto& port : ports) {
        if (port.radioAnswered() && !answered)
            answered = &port;
    }
    if (answered)
        std::printf("A radio answers on %s.\n", diagnosis::portTitle(answered->facts).c_str());
    else
        std::printf("No radio answered.\n");

    if (!reportFile.empty()) {
        const diagnosis::ReportContext context{programVersion(), settingsInUse(), overrides};
        const std::string report =
            diagnosis::diagnosticReport(system, context, ports, noPort, Language::English);
        if (auto failure = replaceFileAtomically(reportFile, report))
            return fail(ExitFailure, "cannot write the report " + reportFile + ": " + *failure);
        std::printf("The report is in %s.\n", reportFile.c_str());
    }
    return answered ? ExitOk : ExitFailure;
}

} // namespace program::cli
