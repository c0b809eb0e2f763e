#include "RadioEngine.h"
#include "SimProcess.h"
#include "app/MessageIds.h"
#include "link/ImageTransfer.h"
#include "link/PosixSerialLink.h"
#include "model/DatFile.h"
#include "support/ScriptedHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <thread>

using namespace program;
using program::sim::SimProcess;

namespace {

// A front end that answers from a script but really waits when asked to: the
// radio on the other end keeps real time.
class RealTimeHost : public testsupport::ScriptedHost {
public:
    void sleepMs(int milliseconds) override {
        ScriptedHost::sleepMs(milliseconds);
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

CodeplugImage randomImage(unsigned generatorStart) {
    std::mt19937 random(generatorStart);
    CodeplugImage image;
    for (auto& byte : image.bytes())
        byte = static_cast<std::uint8_t>(random());
    return image;
}

class SimTransferTest : public ::testing::Test {
protected:
    std::string port() const { return (dir / "radio").string(); }

    // Starts radio-sim on `memory` (a factory-fresh radio when empty).
    void startRadio(const std::vector<std::string>& extra = {},
                    const std::optional<CodeplugImage>& memory = std::nullopt) {
        std::vector<std::string> arguments{"--link", port(),
                                           "--dump", (dir / "dump.dat").string(),
                                           "--log",  (dir / "radio.log").string()};
        if (memory) {
            ASSERT_FALSE(saveDatFile(dir / "start.dat", *memory));
            arguments.insert(arguments.end(), {"--image", (dir / "start.dat").string()});
        }
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        radio = std::make_unique<SimProcess>(RADIO_SIM_PROGRAM, arguments, port());
    }

    // Stops the radio and returns the memory it held.
    CodeplugImage radioMemory() {
        EXPECT_EQ(radio->stop(), 0);
        DatLoadResult dump = loadDatFile(dir / "dump.dat");
        EXPECT_TRUE(dump.image) << "radio-sim wrote no memory dump";
        return dump.image.value_or(CodeplugImage{});
    }

    TransferResult read(CodeplugImage& image) {
        TransferResult result = ImageTransfer(link, host).read(port(), image);
        EXPECT_FALSE(link.isOpen()) << "the port stays open after the read";
        return result;
    }
    TransferResult write(const CodeplugImage& image, bool squelchWrite) {
        TransferResult result =
            ImageTransfer(link, host).write(port(), image, BandLimits{}, squelchWrite);
        EXPECT_FALSE(link.isOpen()) << "the port stays open after the write";
        return result;
    }

    testsupport::TempDir dir;
    std::unique_ptr<SimProcess> radio;
    PosixSerialLink link;
    RealTimeHost host;
};

} // namespace

TEST_F(SimTransferTest, ReadBringsTheRadioMemoryByteForByte) {
    CodeplugImage radioMemoryImage = randomImage(1);
    const std::uint8_t password[] = {'3', '1', '4', '1', '5', '9'};
    radioMemoryImage.write(0xFE2, password);
    startRadio({}, radioMemoryImage);

    CodeplugImage document;
    document.write(0xFE2, password);
    ASSERT_TRUE(read(document).completed());
    EXPECT_EQ(document, radioMemoryImage);
    ASSERT_FALSE(host.progress.empty());
    EXPECT_EQ(host.progress.back(), 256);
}

TEST_F(SimTransferTest, HiccupsOfTheRadioAreRiddenOut) {
    for (const char* fault : {"junk-before-wake", "wake-only=3", "pad-after-reply"}) {
        SCOPED_TRACE(fault);
        startRadio({"--fault", fault});
        host = RealTimeHost();
        const CodeplugImage document = randomImage(5);
        ASSERT_TRUE(write(document, false).completed());
        CodeplugImage back = document;
        EXPECT_TRUE(read(back).completed());
        EXPECT_TRUE(std::equal(back.bytes().begin(), back.bytes().begin() + 0xFA0,
                               document.bytes().begin()));
        EXPECT_TRUE(host.questions.empty());
        radio->stop();
    }
}

TEST_F(SimTransferTest, FailedWriteIsReportedAndTheRadioCanBeReadAfterwards) {
    startRadio({"--fault", "no-ack=20"});
    const CodeplugImage document = randomImage(6);
    EXPECT_FALSE(write(document, false).completed());
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::ProgramInterrupt});

    // The password block goes last, so the radio still has none. The fault strikes
    // in every session, at block 20: a read ends there too, but only after the port
    // was let go, the radio woken afresh and the password compared.
    host = RealTimeHost();
    const CodeplugImage noPassword = sim::factoryFreshMemory();
    CodeplugImage back = noPassword;
    EXPECT_FALSE(read(back).completed());
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::ProgramInterrupt});
    EXPECT_EQ(back, noPassword);
}

TEST_F(SimTransferTest, MissingPortIsExplainedInEitherLanguage) {
    CodeplugImage document = sim::factoryFreshMemory();
    EXPECT_FALSE(read(document).completed());
    ASSERT_EQ(host.questions.size(), 1u);
    const LinkMessage& shown = host.questions[0].message;
    EXPECT_EQ(shown.id, message::CouldNotOpenPort);
    EXPECT_EQ(shown.detail.english, port() + ": No such file or directory");
    EXPECT_EQ(shown.detail.chinese, port() + ": 没有这个文件或设备");
}

TEST_F(SimTransferTest, PacedRadioKeepsLineTimeAndEndsWithTheSession) {
    startRadio({"--baud", "9600", "--exit-after-session"});
    ASSERT_TRUE(link.open(port()).ok());
    link.setTimeouts({.readInterval = 30, .readTotalMultiplier = 100, .readTotalConstant = 90});
    for (char b : std::string("\x02PROGRA"))
        link.write(std::vector<std::uint8_t>{static_cast<std::uint8_t>(b)});
    ASSERT_EQ(link.read(1).bytes, std::vector<std::uint8_t>{0x06});
    // 2 bytes out and 8 back are 10 bytes of 10 bits: at least 10.4 ms at 9600 baud.
    const auto start = std::chrono::steady_clock::now();
    link.write(std::vector<std::uint8_t>{0x4D, 0x02});
    EXPECT_EQ(link.read(8).bytes.size(), 8u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(10'000));
    link.close();

    EXPECT_EQ(radio->wait(), 0) << "the radio should end once the port is closed";
    EXPECT_TRUE(std::filesystem::exists(dir / "dump.dat"));
}
