#include "link/PosixSerialLink.h"
#include "link/PtyPair.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <thread>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace program;
using namespace std::chrono_literals;
using testsupport::PtyPair;
using Bytes = std::vector<std::uint8_t>;
using Status = SerialOpenResult::Status;

namespace {

using Clock = std::chrono::steady_clock;

std::chrono::milliseconds since(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

// The far end of the line, sending on its own schedule while the link reads.
class Sender {
public:
    Sender(PtyPair& pty, std::vector<std::pair<std::chrono::milliseconds, Bytes>> script)
        : m_thread([&pty, script] {
              const auto start = Clock::now();
              for (const auto& [at, bytes] : script) {
                  std::this_thread::sleep_until(start + at);
                  pty.send(bytes);
              }
          }) {}
    ~Sender() { m_thread.join(); }

private:
    std::thread m_thread;
};

class PosixSerialLinkTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(link.open(pty.device()).ok()); }

    void setReadTimeouts(int interval, int multiplier, int constant) {
        link.setTimeouts({.readInterval = interval,
                          .readTotalMultiplier = multiplier,
                          .readTotalConstant = constant,
                          .writeTotalMultiplier = 50,
                          .writeTotalConstant = 50});
    }

    PtyPair pty;
    PosixSerialLink link;
};

} // namespace

TEST_F(PosixSerialLinkTest, TotalTimeoutGrowsWithTheBytesAskedAndReturnsWhatArrived) {
    setReadTimeouts(0, 20, 100);
    pty.send({0x52, 0x0F});
    auto start = Clock::now();
    SerialReadResult partial = link.read(4);
    auto partialTime = since(start);
    EXPECT_EQ(partial.bytes, (Bytes{0x52, 0x0F}));
    EXPECT_FALSE(partial.error) << "a time-out is not a device error";
    EXPECT_GE(partialTime, 150ms);
    EXPECT_LT(partialTime, 2000ms);

    start = Clock::now();
    EXPECT_TRUE(link.read(1).bytes.empty());
    auto oneByte = since(start);
    start = Clock::now();
    EXPECT_TRUE(link.read(30).bytes.empty());
    auto thirtyBytes = since(start);
    EXPECT_GT(thirtyBytes, oneByte + 300ms); // 30 x 20 ms against 1 x 20 ms
}

TEST_F(PosixSerialLinkTest, GapBetweenBytesEndsTheReadButOnlyAfterTheFirstByte) {
    // Nothing for 150 ms: the gap timer has not started, so the read keeps waiting.
    setReadTimeouts(30, 0, 3000);
    auto start = Clock::now();
    {
        Sender sender(pty, {{150ms, {0x06}}, {900ms, {0x07}}});
        SerialReadResult reply = link.read(4);
        auto elapsed = since(start);
        EXPECT_EQ(reply.bytes, Bytes{0x06});
        EXPECT_FALSE(reply.error);
        EXPECT_GE(elapsed, 120ms);
        EXPECT_LT(elapsed, 800ms) << "the 30 ms gap should have ended the read";
    }
    link.clear();

    // Bytes closer together than the interval all belong to one read.
    setReadTimeouts(200, 0, 0);
    Sender sender(pty, {{0ms, {1}}, {40ms, {2}}, {80ms, {3}}, {120ms, {4}}, {160ms, {5}}});
    EXPECT_EQ(link.read(5).bytes, (Bytes{1, 2, 3, 4, 5}));
}

TEST_F(PosixSerialLinkTest, ReadReturnsOnceTheBytesAskedHaveArrived) {
    setReadTimeouts(30, 100, 5000);
    Bytes reply(12);
    std::iota(reply.begin(), reply.end(), 0x40);
    pty.send(reply);
    auto start = Clock::now();
    EXPECT_EQ(link.read(12).bytes, reply);
    EXPECT_LT(since(start), 1000ms);
}

TEST_F(PosixSerialLinkTest, VanishedFarEndIsAnErrorNotAWait) {
    setReadTimeouts(0, 0, 5000);
    auto start = Clock::now();
    std::thread closer([this] {
        std::this_thread::sleep_for(100ms);
        pty.closeMaster();
    });
    SerialReadResult reply = link.read(1);
    closer.join();
    EXPECT_TRUE(reply.error);
    EXPECT_LT(since(start), 3000ms);
}

TEST_F(PosixSerialLinkTest, WriteGivesUpAtItsTimeoutWhenNobodyReads) {
    link.setTimeouts({.writeTotalMultiplier = 0, .writeTotalConstant = 300});
    EXPECT_TRUE(link.write(Bytes{0x57, 0x00, 0x00, 0x08}));
    EXPECT_EQ(pty.receive(4), (Bytes{0x57, 0x00, 0x00, 0x08}));

    Bytes flood(1 << 20, 0x55);
    auto start = Clock::now();
    EXPECT_FALSE(link.write(flood));
    EXPECT_GE(since(start), 250ms);
    EXPECT_LT(since(start), 5000ms);
}

// The confirmation step writes 06 and clears the port straight away: the 06 must
// still reach the radio.
TEST_F(PosixSerialLinkTest, ClearKeepsWrittenBytesAndDropsUnreadInput) {
    Bytes written;
    for (std::uint8_t i = 0; i < 64; ++i) {
        ASSERT_TRUE(link.write(Bytes{i}));
        link.clear();
        written.push_back(i);
    }
    EXPECT_EQ(pty.receive(written.size()), written);

    setReadTimeouts(30, 100, 90);
    pty.send({0x15, 0x15, 0x15});
    std::this_thread::sleep_for(50ms);
    link.clear();
    pty.send({0x06});
    EXPECT_EQ(link.read(1).bytes, Bytes{0x06});

    pty.send({0x15, 0x15});
    std::this_thread::sleep_for(50ms);
    link.purge();
    EXPECT_TRUE(link.read(1).bytes.empty());
}

// A radio on a pseudo-terminal answers before the program's next call: a clear
// straight after a write must keep that answer, yet drop what came before the write.
TEST_F(PosixSerialLinkTest, ClearAfterAWriteKeepsTheAnswerToIt) {
    setReadTimeouts(30, 100, 90);
    pty.send({0x15, 0x15});
    std::this_thread::sleep_for(50ms);
    ASSERT_TRUE(link.write(Bytes{0x06}));
    EXPECT_EQ(pty.receive(1), Bytes{0x06});
    pty.send({0x06});
    std::this_thread::sleep_for(50ms);
    link.clear();
    EXPECT_EQ(link.read(2).bytes, Bytes{0x06});
}

TEST_F(PosixSerialLinkTest, EveryByteValuePassesUnchangedBothWays) {
    // No flow control (0x11, 0x13 are data), no line editing, no CR/LF mapping,
    // no signals from 0x03, no echo.
    setReadTimeouts(30, 100, 90);
    Bytes all(256);
    std::iota(all.begin(), all.end(), 0);
    pty.send(all);
    EXPECT_EQ(link.read(all.size()).bytes, all);
    EXPECT_TRUE(link.write(all));
    EXPECT_EQ(pty.receive(all.size()), all);
    EXPECT_TRUE(pty.receive(1, 100ms).empty()) << "nothing may be echoed";
}

TEST(PosixSerialLinkOpen, SecondOpenThroughAnyNameIsBusyUntilTheFirstCloses) {
    PtyPair pty;
    testsupport::TempDir dir;
    const auto alias = dir / "radio";
    std::filesystem::create_symlink(pty.device(), alias);

    PosixSerialLink first;
    ASSERT_TRUE(first.open(alias.string()).ok());
    PosixSerialLink second;
    EXPECT_EQ(second.open(pty.device()).status, Status::Busy);
    EXPECT_EQ(second.open(alias.string()).status, Status::Busy);
    EXPECT_FALSE(second.isOpen());

    // Programs that do not lock are kept out by the terminal's exclusive flag,
    // which must not outlive the link: the far end keeps the terminal alive.
    auto exclusiveFlag = [&pty] {
        int probe = ::open(pty.device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (probe < 0)
            return errno == EBUSY ? 1 : -1; // only root gets past the flag
        int flag = -1;
        ::ioctl(probe, TIOCGEXCL, &flag);
        ::close(probe);
        return flag;
    };
    EXPECT_EQ(exclusiveFlag(), 1);
    first.close();
    EXPECT_EQ(exclusiveFlag(), 0);

    EXPECT_TRUE(second.open(pty.device()).ok());
}

TEST(PosixSerialLinkOpen, RefusalsSayWhy) {
    testsupport::TempDir dir;
    PosixSerialLink link;
    EXPECT_EQ(link.open((dir / "ttyUSB9").string()).status, Status::NotFound);

    const auto plain = dir / "plain.dat";
    testsupport::writeBytes(plain, Bytes(16));
    EXPECT_EQ(link.open(plain.string()).status, Status::NotASerialPort);
    EXPECT_FALSE(link.isOpen());

    // A device the user may not open: the answer names the group that grants it.
    std::filesystem::permissions(plain, std::filesystem::perms::none);
    auto attempt = [&] {
        SerialOpenResult result = PosixSerialLink().open(plain.string());
        return result.status == Status::PermissionDenied &&
               result.detail.find("dialout") != std::string::npos;
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(attempt());
        return;
    }
    // Permissions do not stop root; try it as an ordinary user.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(::setuid(65534) == 0 && attempt() ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Terminal and modem programs mark a port they use with a lock file holding their
// process id; some open the device without any other lock.
TEST(PosixSerialLinkOpen, LockFileOfAnotherProgramIsHonouredAndOursIsTakenAndRemoved) {
    PtyPair pty;
    testsupport::TempDir locks;
    const auto lockFile =
        locks / ("LCK.." + std::filesystem::canonical(pty.device()).filename().string());
    auto writeLock = [&](pid_t pid) {
        char text[16];
        std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(pid));
        testsupport::writeBytes(lockFile, Bytes(text, text + 11));
    };

    writeLock(::getppid());
    PosixSerialLink link(locks.path());
    const SerialOpenResult held = link.open(pty.device());
    EXPECT_EQ(held.status, Status::Busy);
    EXPECT_EQ(held.holderPid, ::getppid());
    EXPECT_NE(held.detail.find(std::to_string(::getppid())), std::string::npos) << held.detail;
    EXPECT_TRUE(std::filesystem::exists(lockFile)) << "a live holder's lock must stay";

    // A holder that has gone: its lock is stale and becomes ours.
    pid_t gone = ::fork();
    ASSERT_GE(gone, 0);
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    writeLock(gone);
    ASSERT_TRUE(link.open(pty.device()).ok());
    char ours[16];
    std::snprintf(ours, sizeof ours, "%10d\n", static_cast<int>(::getpid()));
    std::ifstream written(lockFile);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), ours);
    link.close();
    EXPECT_FALSE(std::filesystem::exists(lockFile));

    // No lock folder: the port is still ours to use.
    PosixSerialLink withoutFolder(locks / "missing");
    EXPECT_TRUE(withoutFolder.open(pty.device()).ok());
}
