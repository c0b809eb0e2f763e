// radio-sim: a radio on a pseudo-terminal, for trying and testing the program
// without a radio and a cable.

#include "PortLink.h"
#include "PtyRadio.h"
#include "RadioEngine.h"
#include "SimOptions.h"
#include "model/DatFile.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <signal.h>

using namespace program;
using namespace program::sim;

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onStopSignal(int) {
    g_stop = 1;
}

// Blocks the stop signals except while the radio waits for bytes, so a signal
// can never slip in between a check and a wait. Returns the mask to wait with.
sigset_t installStopSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
        sigaddset(&stopSignals, signal);
    }
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigdelset(&waitMask, signal);
    return waitMask;
}

struct FileCloser {
    void operator()(std::FILE* file) const {
        if (file)
            std::fclose(file);
    }
};

int fail(const std::string& message) {
    std::fprintf(stderr, "radio-sim: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    SimOptionsResult parsed = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "radio-sim: %s\n\n%s", parsed.error.c_str(), simUsage().c_str());
        return 2;
    }
    const SimOptions& options = *parsed.options;
    if (options.help) {
        std::fputs(simUsage().c_str(), stdout);
        return 0;
    }

    CodeplugImage memory = factoryFreshMemory();
    if (!options.imagePath.empty()) {
        DatLoadResult loaded = loadDatFile(options.imagePath);
        if (!loaded.image)
            return fail(describe(*loaded.error));
        memory = *loaded.image;
    }

    std::unique_ptr<std::FILE, FileCloser> logFile;
    if (!options.logPath.empty()) {
        logFile.reset(std::fopen(options.logPath.c_str(), "a"));
        if (!logFile)
            return fail("cannot open the log file " + options.logPath);
        std::setvbuf(logFile.get(), nullptr, _IOLBF, 0);
    }
    std::FILE* logTo = logFile ? logFile.get() : stderr;
    const auto started = std::chrono::steady_clock::now();
    RadioEngine::Log log = [logTo, started](const std::string& line) {
        std::chrono::duration<double> at = std::chrono::steady_clock::now() - started;
        std::fprintf(logTo, "[%9.3f] %s\n", at.count(), line.c_str());
    };

    const sigset_t waitMask = installStopSignals();
    RadioEngine engine(memory, options.identity, options.faults, log);
    PtyRadio radio(engine, options.baud, log);
    if (std::string error = radio.open(); !error.empty())
        return fail(error);
    PortLink link;
    if (!options.linkPath.empty()) {
        if (std::string error = link.create(options.linkPath, radio.deviceName()); !error.empty())
            return fail(error);
    }
    std::printf("radio-sim: listening on %s%s%s\n", radio.deviceName().c_str(),
                options.linkPath.empty() ? "" : " linked as ", options.linkPath.c_str());
    std::fflush(stdout);

    radio.run(g_stop, waitMask, options.exitAfterSession);

    if (!options.dumpPath.empty()) {
        if (auto error = saveDatFile(options.dumpPath, engine.memory()))
            return fail(describe(*error));
        log("memory written to " + options.dumpPath);
    }
    return 0;
}
