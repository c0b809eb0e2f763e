// One document into 4 and 8 radios on radio-sims pacing their lines at 9600 baud,
// against one radio alone, all in one run. The line is the limit: the fleet's wall
// time over one radio's should stay near 1, and the program's own CPU per radio
// near nothing.

#include "SimProcess.h"
#include "channels/Document.h"
#include "fleet/FleetRun.h"
#include "link/ImageTransfer.h"
#include "link/PosixSerialLink.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "support/TempDir.h"

#include <stdlib.h>
#include <sys/resource.h>

using namespace program;
using Clock = std::chrono::steady_clock;

namespace {

class Quiet : public fleet::FleetObserver {
public:
    void radioStarted(std::size_t, const std::string&) override {}
    void stageChanged(std::size_t, fleet::Stage) override {}
    void progress(std::size_t, int, int) override {}
    void radioEnded(const fleet::RadioOutcome& outcome) override {
        if (!outcome.succeeded)
            std::fprintf(stderr, "  %s: %s\n", outcome.line.port.c_str(),
                         outcome.line.message.c_str());
    }
};

// The program's own CPU time so far, user and system, in seconds.
double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Measure {
    double wall = 0;
    double cpu = 0;
};

// The radios of the run; each port gets a fresh radio-sim.
class Radios {
public:
    Radios(const testsupport::TempDir& dir, int count) {
        for (int i = 0; i < count; ++i) {
            const std::string port = (dir / ("radio" + std::to_string(i))).string();
            m_sims.push_back(std::make_unique<sim::SimProcess>(
                RADIO_SIM_PROGRAM,
                std::vector<std::string>{"--link", port, "--baud", "9600", "--log",
                                         (dir / ("log" + std::to_string(i))).string()},
                port));
            ports.push_back({port, port});
        }
    }
    std::vector<fleet::FleetPort> ports;

private:
    std::vector<std::unique_ptr<sim::SimProcess>> m_sims;
};

Measure fleetRun(const testsupport::TempDir& dir, const fleet::FleetSource& source, int radios,
                 const fleet::FleetOptions& options) {
    Radios sims(dir, radios);
    Quiet quiet;
    const double cpu = cpuSeconds();
    const auto start = Clock::now();
    {
        fleet::FleetRun run(
            source, sims.ports, options, nullptr,
            [](const fleet::FleetPort&) { return std::make_unique<PosixSerialLink>(); }, quiet);
        for (std::size_t port = 0; port < run.portCount(); ++port)
            run.startRadio(port);
        run.wait();
    }
    return {std::chrono::duration<double>(Clock::now() - start).count(), cpuSeconds() - cpu};
}

// One radio as program-cli does it: the read, the write and the verify one after the other.
class NoFrontEnd : public TransferHost {
public:
    bool pumpEvent() override { return false; }
    void showStatus(const BilingualText&) override {}
    void setProgressRange(int) override {}
    void setProgress(int) override {}
    Answer ask(const LinkMessage&, Buttons buttons) override {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    void sleepMs(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

Measure singleRadio(const testsupport::TempDir& dir, const fleet::FleetSource& source,
                    bool everything) {
    Radios sims(dir, 1);
    PosixSerialLink link;
    NoFrontEnd host;
    ImageTransfer transfer(link, host);
    const std::string& device = sims.ports[0].device;
    const double cpu = cpuSeconds();
    const auto start = Clock::now();
    bool ok = true;
    if (everything) {
        CodeplugImage backup = source.image;
        ok = transfer.read(device, backup).completed();
    }
    ok = ok && transfer.write(device, source.image, source.bands, false).completed();
    if (everything)
        ok = ok && transfer.verify(device, source.image, false).verified();
    if (!ok)
        std::fprintf(stderr, "  the single radio failed\n");
    return {std::chrono::duration<double>(Clock::now() - start).count(), cpuSeconds() - cpu};
}

void report(const char* what, int radios, const Measure& one, const Measure& fleet) {
    std::printf("%-34s %d radios: one %6.2f s, fleet %6.2f s, ratio %.3f, CPU per radio %.2f %% "
                "of a core\n",
                what, radios, one.wall, fleet.wall, fleet.wall / one.wall,
                100.0 * fleet.cpu / fleet.wall / radios);
    std::fflush(stdout);
}

} // namespace

int main() {
    testsupport::TempDir dir;
    ProgramState state;
    FixedRadioType types;
    Document document(state, types);
    document.createNew();
    const fleet::FleetSource source{document.imageForSave(), document.bandLimits(), false,
                                    std::nullopt};

    const Measure oneWrite = singleRadio(dir, source, false);
    report("write only", 4, oneWrite, fleetRun(dir, source, 4, {}));
    report("write only", 8, oneWrite, fleetRun(dir, source, 8, {}));

    fleet::FleetOptions everything;
    everything.backupFolder = dir / "backups";
    std::filesystem::create_directories(*everything.backupFolder);
    everything.verify = true;
    const Measure oneWhole = singleRadio(dir, source, true);
    report("backup + write + verify", 4, oneWhole, fleetRun(dir, source, 4, everything));
    return 0;
}
