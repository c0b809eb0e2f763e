#include "fleet/FleetRun.h"

#include "channels/Document.h"
#include "link/LinkTexts.h"
#include "settings/Catalogue.h"
#include "support/FakeSerialLink.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

using namespace program;
using namespace program::fleet;
using testsupport::FakeSerialLink;
using testsupport::RecordingRadio;

namespace {

// The link of a port: a fake cable to the radio plugged into that port.
class RadioCable : public FakeSerialLink {
public:
    RadioCable(RecordingRadio& radio, std::vector<bool*> closedFlags)
        : FakeSerialLink(radio), m_closed(std::move(closedFlags)) {}
    ~RadioCable() override {
        for (bool* flag : m_closed)
            *flag = closedProperly();
    }

private:
    std::vector<bool*> m_closed;
};

class Collector : public FleetObserver {
public:
    void radioStarted(std::size_t, const std::string&) override {}
    void stageChanged(std::size_t port, Stage stage) override {
        if (onStage)
            onStage(port, stage);
        std::lock_guard lock(mutex);
        stages[port].push_back(stage);
    }
    void progress(std::size_t port, int position, int) override {
        if (onProgress)
            onProgress(port, position);
    }
    void radioEnded(const RadioOutcome& outcome) override {
        std::lock_guard lock(mutex);
        ended.push_back(outcome);
    }
    const RadioOutcome& of(const std::string& label) const {
        for (const auto& outcome : ended)
            if (outcome.line.label == label)
                return outcome;
        throw std::out_of_range(label);
    }

    std::mutex mutex;
    std::map<std::size_t, std::vector<Stage>> stages;
    std::vector<RadioOutcome> ended;
    std::function<void(std::size_t, int)> onProgress;
    std::function<void(std::size_t, Stage)> onStage;
};

std::string shown(const CodeplugImage& image, const std::string& key) {
    for (const auto& setting : settings::showSettings(image, Language::English))
        if (setting.key == key)
            return setting.value;
    return "?";
}

class FleetRunTest : public ::testing::Test {
protected:
    FleetRunTest() {
        document.createNew();
        const auto values =
            parseRadioValues("label,msk.id_code\nR1,1001\nR2,1002\nR3,1003\n", document);
        source = {document.imageForSave(), document.bandLimits(), false, values.rows};
    }

    std::unique_ptr<FleetRun> makeRun(FleetOptions options, ReportFile* report) {
        std::vector<FleetPort> ports;
        for (std::size_t i = 0; i < radios.size(); ++i)
            ports.push_back({"COM" + std::to_string(i + 1), "/dev/fake" + std::to_string(i)});
        return std::make_unique<FleetRun>(
            source, ports, options, report,
            [this](const FleetPort& port) {
                const std::size_t i = port.device.back() - '0';
                return std::make_unique<RadioCable>(*radios[i], std::vector<bool*>{&closed[i]});
            },
            observer, [](int) {});
    }

    ProgramState state;
    FixedRadioType types;
    Document document{state, types};
    FleetSource source;
    std::vector<std::unique_ptr<RecordingRadio>> radios;
    bool closed[3] = {false, false, false};
    Collector observer;
    testsupport::TempDir dir;
};

} // namespace

TEST_F(FleetRunTest, AFailingPortStopsNoOtherAndItsRowWaitsForTheNextRadio) {
    radios.push_back(std::make_unique<RecordingRadio>());
    radios.push_back(std::make_unique<RecordingRadio>());
    radios.push_back(std::make_unique<RecordingRadio>());
    // The second radio answers the backup read, then stops in the middle of the write.
    observer.onStage = [&](std::size_t port, Stage stage) {
        if (port == 1 && stage == Stage::Write)
            radios[1]->setFaults(testsupport::radioFaults({"hang-after=40"}));
    };
    std::string error;
    auto report = ReportFile::open(dir / "report.csv", error);
    ASSERT_TRUE(report) << error;
    FleetOptions options;
    options.backupFolder = dir.path();
    auto run = makeRun(options, report.get());
    for (std::size_t port = 0; port < 3; ++port)
        ASSERT_TRUE(run->startRadio(port));
    run->wait();

    ASSERT_EQ(observer.ended.size(), 3u);
    std::map<std::size_t, std::string> labelOnPort;
    for (const auto& outcome : observer.ended) {
        labelOnPort[outcome.port] = outcome.line.label;
        EXPECT_TRUE(closed[outcome.port]) << outcome.line.port;
    }
    const RadioOutcome& failed = observer.of(labelOnPort[1]);
    EXPECT_FALSE(failed.succeeded);
    EXPECT_FALSE(failed.line.written);
    EXPECT_FALSE(failed.line.backup.empty()); // the hang came after the backup read
    EXPECT_TRUE(failed.partlyWritten);
    EXPECT_NE(failed.line.message.find("may hold a partly written memory"), std::string::npos);
    for (std::size_t port : {0u, 2u}) {
        const RadioOutcome& good = observer.of(labelOnPort[port]);
        EXPECT_TRUE(good.succeeded) << good.line.message;
        EXPECT_EQ(observer.stages[port], (std::vector<Stage>{Stage::Backup, Stage::Write}));
        EXPECT_EQ(shown(radios[port]->memory(), "msk.id_code"), "100" + good.line.label.substr(1));
        EXPECT_EQ(loadDatFile(good.line.backup).image, program::sim::factoryFreshMemory());
    }

    // The next radio on the failed port takes the row its predecessor gave back.
    radios[1]->replace(program::sim::factoryFreshMemory());
    observer.onStage = {};
    ASSERT_TRUE(run->startRadio(1));
    run->wait();
    EXPECT_EQ(observer.ended.back().line.label, labelOnPort[1]);
    EXPECT_TRUE(observer.ended.back().succeeded);
    EXPECT_FALSE(run->rowLeft());
    EXPECT_FALSE(run->startRadio(0));

    // A rerun with the same report finds every row done.
    run.reset();
    report.reset();
    auto reopened = ReportFile::open(dir / "report.csv", error);
    EXPECT_EQ(reopened->history().done, (std::set<std::string>{"R1", "R2", "R3"}));
}

TEST_F(FleetRunTest, CancelStopsTheRadioItIsAskedFor) {
    radios.push_back(std::make_unique<RecordingRadio>());
    radios.push_back(std::make_unique<RecordingRadio>());
    auto run = makeRun({}, nullptr);
    std::atomic<FleetRun*> running{run.get()};
    observer.onProgress = [&](std::size_t port, int position) {
        if (port == 1 && position == 20)
            running.load()->cancel(1);
    };
    ASSERT_TRUE(run->startRadio(0));
    ASSERT_TRUE(run->startRadio(1));
    run->wait();
    ASSERT_EQ(observer.ended.size(), 2u);
    const RadioOutcome& cancelled =
        observer.ended[0].port == 1 ? observer.ended[0] : observer.ended[1];
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.partlyWritten);
    EXPECT_EQ(cancelled.line.message, "cancelled; the radio may hold a partly written memory");
    EXPECT_TRUE(closed[1]);
    const RadioOutcome& other = observer.ended[0].port == 0 ? observer.ended[0] : observer.ended[1];
    EXPECT_TRUE(other.succeeded);
}

TEST_F(FleetRunTest, ARadioOutsideTheDocumentsBandIsNeverWritten) {
    const program::sim::RadioIdentity identity{0x55, 0x38, 0x38, 0x38,
                                               0x00, 0x35, 0x39, 0x60}; // 350-390 MHz only
    radios.push_back(std::make_unique<RecordingRadio>(program::sim::factoryFreshMemory(),
                                                      program::sim::RadioFaults{}, identity));
    source.rows.reset();
    auto run = makeRun({}, nullptr);
    ASSERT_TRUE(run->startRadio(0));
    run->wait();
    ASSERT_EQ(observer.ended.size(), 1u);
    EXPECT_EQ(observer.ended[0].line.label, "1");
    EXPECT_EQ(observer.ended[0].line.message,
              "not written: the radio's band does not fit the document's; the radio was not "
              "changed");
    EXPECT_TRUE(radios[0]->blocksWritten.empty());
}

TEST_F(FleetRunTest, AVerifyThatFindsADifferenceLeavesTheRowForTheNextTry) {
    radios.push_back(std::make_unique<RecordingRadio>(
        program::sim::factoryFreshMemory(), testsupport::radioFaults({"corrupt-write=0x0C3"})));
    radios.push_back(std::make_unique<RecordingRadio>());
    std::string error;
    auto report = ReportFile::open(dir / "report.csv", error);
    FleetOptions options;
    options.verify = true;
    auto run = makeRun(options, report.get());
    ASSERT_TRUE(run->startRadio(0));
    run->wait();
    ASSERT_TRUE(run->startRadio(1));
    run->wait();
    ASSERT_EQ(observer.ended.size(), 2u);
    const RadioOutcome& corrupt = observer.ended[0];
    EXPECT_TRUE(corrupt.line.written);
    EXPECT_EQ(corrupt.line.verified, "no");
    EXPECT_NE(corrupt.line.message.find("0x0C3"), std::string::npos) << corrupt.line.message;
    EXPECT_FALSE(corrupt.line.done());
    EXPECT_EQ(observer.ended[1].line.label, corrupt.line.label);
    EXPECT_EQ(observer.ended[1].text(Language::English, linktexts::englishLine),
              "written and verified");
}
