// The fleet verb: one document into the radios on several ports at once.

#include "CommandLine.h"
#include "ProgramFiles.h"
#include "Verbs.h"
#include "link/LinkTexts.h"

#include "exchange/CsvFile.h"
#include "fleet/FleetRun.h"
#include "io/AtomicFile.h"
#include "link/PosixSerialLink.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <set>
#include <thread>

namespace program::cli {

namespace {

constexpr const char* Usage =
    "FILE.dat --port DEVICE [--port DEVICE...] [--values RADIOS.csv] [--report REPORT.csv] "
    "[--backup-dir DIR] [--verify] [--enable-sql]";

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void onFleetInterrupt(int) {
    g_interrupted = 1;
}

// Ctrl+C and SIGTERM cancel every port at its next check point, for as long as it lives.
class InterruptGuard {
public:
    InterruptGuard() {
        g_interrupted = 0;
        struct sigaction action {};
        action.sa_handler = onFleetInterrupt;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, nullptr);
        ::sigaction(SIGTERM, &action, nullptr);
    }
    ~InterruptGuard() {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
    }
};

// One line per radio on stdout as it ends: "PORT LABEL: what happened".
class LinePrinter : public fleet::FleetObserver {
public:
    void radioStarted(std::size_t, const std::string&) override {}
    void stageChanged(std::size_t, fleet::Stage) override {}
    void progress(std::size_t, int, int) override {}
    void radioEnded(const fleet::RadioOutcome& outcome) override {
        std::string text = outcome.line.port + " " + outcome.line.label + ": " +
                           outcome.text(Language::English, linktexts::englishLine);
        if (!outcome.reportError.empty())
            text += " (not in the report: " + outcome.reportError + ")";
        std::lock_guard lock(m_mutex);
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
        if (!outcome.succeeded || !outcome.reportError.empty())
            m_failures = true;
    }
    bool failures() const {
        std::lock_guard lock(m_mutex);
        return m_failures;
    }

private:
    mutable std::mutex m_mutex;
    bool m_failures = false;
};

// The ports in the order given: --port's devices and --port-number's COMn.
std::optional<std::vector<fleet::FleetPort>> portsOf(const CommandLine& line, std::string& error) {
    std::vector<fleet::FleetPort> ports;
    std::set<std::string> devices;
    const PortOverrides overrides =
        line.has("--port-number") ? overridesOfProgramSettings() : PortOverrides{};
    for (const auto& [option, value] : line.given) {
        fleet::FleetPort port;
        if (option == "--port") {
            port = {value, value};
        } else if (option == "--port-number") {
            const auto number = parseNumber(value, FirstPortNumber, LastPortNumber);
            if (!number) {
                error = "--port-number takes a whole number from 1 to 16";
                return std::nullopt;
            }
            port = {"COM" + value, devicePathForPort(static_cast<int>(*number), overrides)};
        } else {
            continue;
        }
        if (port.device.empty()) {
            error = "--port needs a device path, e.g. /dev/ttyUSB0";
            return std::nullopt;
        }
        if (!devices.insert(port.device).second) {
            error = "the port " + port.device + " is given twice";
            return std::nullopt;
        }
        ports.push_back(port);
    }
    if (ports.empty())
        ports.push_back({"COM1", devicePathForPort(1, overridesOfProgramSettings())});
    return ports;
}

// Makes the folder if need be and finds out whether backups can be kept in it.
std::string backupFolderProblem(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return "cannot make the backup folder " + folder.string() + ": " + ec.message();
    if (!std::filesystem::is_directory(folder, ec))
        return folder.string() + " is not a folder";
    errno = 0;
    if (!canReplaceFile(folder / "backup.dat"))
        return "cannot keep backups in " + folder.string() + ": " +
               std::strerror(errno != 0 ? errno : EACCES);
    return {};
}

} // namespace

int runFleet(const Words& words) {
    int status = ExitOk;
    auto line = parseVerb("fleet", words,
                          {{"--port", "--port-number", "--values", "--report", "--backup-dir"},
                           {"--verify", "--enable-sql"}},
                          1, Usage, status);
    if (!line)
        return status;
    std::string error;
    auto ports = portsOf(*line, error);
    if (!ports)
        return fail(ExitUsage, "fleet: " + error);

    // Everything that can be refused is refused before any port is opened.
    Workspace workspace;
    const Document& document = workspace.document;
    if (auto failure = workspace.document.open(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    fleet::FleetSource source{document.imageForSave(), document.bandLimits(),
                              line->has("--enable-sql"), std::nullopt};
    if (line->has("--values")) {
        const std::string path = line->value("--values");
        const CsvFileText file = readCsvFile(path);
        if (!file.readWhole())
            return fail(ExitFailure, file.failure.english);
        fleet::RadioValues values = fleet::parseRadioValues(file.text, document);
        if (!values.ok())
            return fail(ExitFailure, path + ": " + values.failureText());
        source.rows = std::move(values.rows);
    }
    fleet::FleetOptions options;
    options.verify = line->has("--verify");
    if (line->has("--backup-dir")) {
        options.backupFolder = line->value("--backup-dir");
        if (auto problem = backupFolderProblem(*options.backupFolder); !problem.empty())
            return fail(ExitFailure, problem);
    }
    std::unique_ptr<fleet::ReportFile> report;
    if (line->has("--report")) {
        report = fleet::ReportFile::open(line->value("--report"), error);
        if (!report)
            return fail(ExitFailure, error);
    }

    LinePrinter printer;
    bool allStarted = true;
    {
        InterruptGuard interrupts;
        fleet::FleetRun run(
            std::move(source), *ports, options, report.get(),
            [](const fleet::FleetPort&) { return std::make_unique<PosixSerialLink>(); }, printer);
        for (std::size_t port = 0; port < run.portCount(); ++port) {
            if (!run.startRadio(port)) {
                allStarted = false;
                std::printf("%s: no radio left in %s that the report does not hold as done; "
                            "nothing was written\n",
                            (*ports)[port].name.c_str(), line->value("--values").c_str());
            }
        }
        std::fflush(stdout);
        auto anyBusy = [&] {
            for (std::size_t port = 0; port < run.portCount(); ++port)
                if (run.busy(port))
                    return true;
            return false;
        };
        bool cancelled = false;
        while (anyBusy()) {
            if (g_interrupted && !cancelled) {
                run.cancelAll();
                cancelled = true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        run.wait();
    }
    return printer.failures() || !allStarted ? ExitFailure : ExitOk;
}

} // namespace program::cli
