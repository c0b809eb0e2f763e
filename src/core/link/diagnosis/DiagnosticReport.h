#pragma once

#include "app/ProgramState.h"
#include "link/diagnosis/ConnectionCheck.h"

#include <optional>
#include <string>
#include <vector>

namespace program::diagnosis {

// One line per check: "ok", "problem" or "-", then the finding; a problem's fix on the
// line below, indented.
std::string checkLines(const std::vector<Check>& checks, Language language);

// "/dev/ttyUSB0 (COM1), FT232R USB UART": the device, the port number that opens it
// and the USB name.
std::string portTitle(const DeviceFacts& facts);

struct ReportContext {
    std::string version;
    std::string settingsFile; // the Program.ini in use, or a note that there is none
    PortOverrides overrides;
};

// The text to paste into a report of trouble: the program's version and settings file,
// the system and kernel, the serial ports with what they are, the user's groups, every
// check with its result and the probes' traffic. Nothing else of the user's files.
std::string diagnosticReport(const SystemView& system, const ReportContext& context,
                             const std::vector<PortDiagnosis>& ports,
                             const std::optional<Check>& noPort, Language language);

} // namespace program::diagnosis
