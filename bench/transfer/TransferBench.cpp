// Whole-image transfers against radio-sim pacing its line at 9600 baud. The figure
// that matters is the ratio of the time measured to the time the transfer cannot
// go below: every byte that crossed the line at 10 bits a byte, plus the pauses
// the protocol itself asks for. 1.00 means no time is lost anywhere else.

#include "CountingLink.h"
#include "RadioEngine.h"
#include "SimProcess.h"
#include "link/ImageTransfer.h"
#include "link/PosixSerialLink.h"
#include "settings/Differences.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>

#include <stdlib.h>

using namespace program;

namespace {

constexpr int Baud = 9600;
constexpr double BitsPerByte = 10.0; // start bit, 8 data bits, stop bit

// A front end without a window: nobody cancels, every question gets its safe
// answer, and pauses really pause (and are added up).
class PacedHost : public TransferHost {
public:
    long sleptMs = 0;

    bool pumpEvent() override { return false; }
    void showStatus(const program::BilingualText&) override {}
    void setProgressRange(int) override {}
    void setProgress(int) override {}
    Answer ask(const LinkMessage&, Buttons buttons) override {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    void sleepMs(int milliseconds) override {
        sleptMs += milliseconds;
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

using Transfer = std::function<TransferResult(ImageTransfer&, const std::string& port)>;

void runTransfer(benchmark::State& state, const Transfer& transfer) {
    testsupport::TempDir dir;
    const std::string port = (dir / "radio").string();
    sim::SimProcess radio(
        RADIO_SIM_PROGRAM,
        {"--link", port, "--baud", std::to_string(Baud), "--log", (dir / "log").string()}, port);
    PosixSerialLink serial;
    CountingLink counted(serial);
    PacedHost host;
    ImageTransfer imageTransfer(counted, host);

    double measured = 0;
    double needed = 0;
    for (auto _ : state) {
        counted.resetCount();
        host.sleptMs = 0;
        const auto start = std::chrono::steady_clock::now();
        const TransferResult result = transfer(imageTransfer, port);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (!result.completed()) {
            state.SkipWithError("the transfer did not complete");
            return;
        }
        state.SetIterationTime(elapsed.count());
        measured += elapsed.count();
        needed += counted.bytesMoved() * BitsPerByte / Baud + host.sleptMs / 1000.0;
        state.counters["bytes"] = static_cast<double>(counted.bytesMoved());
        state.counters["pauses_s"] = host.sleptMs / 1000.0;
    }
    state.counters["line_and_pauses_s"] = needed / static_cast<double>(state.iterations());
    state.counters["ratio"] = measured / needed;
}

void BM_FullRead(benchmark::State& state) {
    runTransfer(state, [](ImageTransfer& transfer, const std::string& port) {
        CodeplugImage image = sim::factoryFreshMemory(); // the radio's password: none
        return transfer.read(port, image);
    });
}

void BM_FullWrite(benchmark::State& state) {
    const bool squelchWrite = state.range(0) != 0;
    CodeplugImage image;
    std::mt19937 random(7);
    for (auto& byte : image.bytes())
        byte = static_cast<std::uint8_t>(random());
    runTransfer(state, [&](ImageTransfer& transfer, const std::string& port) {
        return transfer.write(port, image, BandLimits{}, squelchWrite);
    });
}

// A full write, then the read-back that checks it: the floor is the write's and the
// read's together.
void BM_WriteAndVerify(benchmark::State& state) {
    CodeplugImage image;
    std::mt19937 random(11);
    for (auto& byte : image.bytes())
        byte = static_cast<std::uint8_t>(random());
    runTransfer(state, [&](ImageTransfer& transfer, const std::string& port) {
        const TransferResult written = transfer.write(port, image, BandLimits{}, false);
        if (!written.completed())
            return written;
        const VerifyResult verified = transfer.verify(port, image, false);
        return verified.verified() ? verified.readBack : TransferResult{};
    });
}

// Compare With Radio: a full read into a scratch image, then every difference found.
void BM_CompareWithRadio(benchmark::State& state) {
    const CodeplugImage document = sim::factoryFreshMemory();
    runTransfer(state, [&](ImageTransfer& transfer, const std::string& port) {
        CodeplugImage radio = document;
        const TransferResult read = transfer.read(port, radio);
        if (read.completed())
            benchmark::DoNotOptimize(
                settings::differences(document, radio, Language::English, true));
        return read;
    });
}

} // namespace

BENCHMARK(BM_WriteAndVerify)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BM_CompareWithRadio)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BM_FullRead)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_FullWrite)
    ->ArgName("squelch")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3);

BENCHMARK_MAIN();
