#include "SimProcess.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using program::sim::SimProcess;
using testsupport::readBytes;
using testsupport::runProgram;
using testsupport::TempDir;

namespace {

// A radio on a pseudo-terminal and the program-cli verbs that talk to it.
class CliRadio : public ::testing::Test {
protected:
    std::string port() const { return (dir / "radio").string(); }
    std::string file(const std::string& name) const { return (dir / name).string(); }

    void startRadio(std::vector<std::string> extra = {}) {
        std::vector<std::string> arguments = {"--link", port(), "--dump", file("memory.dat")};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        radio = std::make_unique<SimProcess>(RADIO_SIM_PROGRAM, arguments, port());
    }
    // Stops the radio and returns its memory.
    std::vector<std::uint8_t> radioMemory() {
        radio->stop();
        return readBytes(file("memory.dat"));
    }
    testsupport::ProgramRun cli(std::vector<std::string> words) {
        return runProgram("program-cli", words, dir);
    }

    TempDir dir;
    std::unique_ptr<SimProcess> radio;
};

bool sameRange(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
               std::size_t first, std::size_t last) {
    return std::equal(a.begin() + first, a.begin() + last + 1, b.begin() + first);
}

} // namespace

TEST_F(CliRadio, WriteThenReadRoundTripsEveryAddressAWriteSends) {
    const auto codeplug = file("codeplug.dat");
    ASSERT_EQ(cli({"new", codeplug}).status, 0);
    ASSERT_EQ(cli({"edit", codeplug, "1", "1", "145.0125"}).status, 0);
    ASSERT_EQ(cli({"edit", codeplug, "129", "1", "438.500"}).status, 0);
    ASSERT_EQ(cli({"edit", codeplug, "1", "5", "GATE"}).status, 0);

    startRadio();
    auto write = cli({"write", codeplug, "--port", port(), "--log-traffic", file("cable.log")});
    ASSERT_EQ(write.status, 0) << write.err;
    auto read = cli({"read", "--port", port(), file("backup.dat")});
    ASSERT_EQ(read.status, 0) << read.err;

    const auto sent = readBytes(codeplug);
    const auto back = readBytes(file("backup.dat"));
    ASSERT_EQ(back.size(), 4096u);
    EXPECT_TRUE(sameRange(sent, back, 0x000, 0xF9F));
    EXPECT_TRUE(sameRange(sent, back, 0xFE0, 0xFEF));
    EXPECT_TRUE(sameRange(sent, back, 0xFD2, 0xFD3));
    EXPECT_TRUE(sameRange(sent, back, 0xFDC, 0xFDF));
    // The backup holds the radio's bytes exactly as they came.
    EXPECT_EQ(back, radioMemory());

    const std::string log = testsupport::slurp(file("cable.log"));
    EXPECT_NE(log.find("> 02"), std::string::npos);
    EXPECT_NE(log.find("< 06"), std::string::npos);
    EXPECT_NE(log.find("> 57 00 00 08"), std::string::npos);
}

TEST_F(CliRadio, WriteVerifyCatchesAByteTheRadioKeptWrong) {
    const auto codeplug = file("codeplug.dat");
    ASSERT_EQ(cli({"new", codeplug}).status, 0);
    startRadio();
    auto clean = cli({"write", codeplug, "--port", port(), "--verify"});
    EXPECT_EQ(clean.status, 0) << clean.err;
    EXPECT_EQ(clean.out, "verified\n");
    radio->stop();

    startRadio({"--fault", "corrupt-write=0x0C3"});
    auto caught = cli({"write", codeplug, "--port", port(), "--verify"});
    EXPECT_EQ(caught.status, 1);
    EXPECT_EQ(caught.out, "");
    EXPECT_NE(caught.err.find("0x0C3: channel 9: wrote FF, radio holds 00"), std::string::npos)
        << caught.err;
    EXPECT_EQ(readBytes(codeplug).size(), 4096u);
}

TEST_F(CliRadio, CompareShowsWhatTheRadioHoldsOtherwiseThanTheFile) {
    const auto codeplug = file("codeplug.dat");
    ASSERT_EQ(cli({"new", codeplug}).status, 0);
    startRadio();
    ASSERT_EQ(cli({"compare", codeplug, "--port", port()}).status, 0);
    ASSERT_EQ(cli({"edit", codeplug, "1", "1", "145.0125"}).status, 0);
    ASSERT_EQ(cli({"set", codeplug, "optional.tot=90"}).status, 0);

    auto compared = cli({"compare", codeplug, "--port", port(), "--save", file("radio.dat")});
    EXPECT_EQ(compared.status, 1) << compared.err;
    EXPECT_EQ(compared.out.rfind("optional.tot: 90 -> 30\nchannel.1.1: 145.01250 -> \n", 0), 0u)
        << compared.out;
    EXPECT_EQ(readBytes(file("radio.dat")), radioMemory());

    // Another password than the radio's: not read, and trouble rather than a difference.
    startRadio();
    ASSERT_EQ(cli({"set", codeplug, "optional.password=1234"}).status, 0);
    auto refused = cli({"compare", codeplug, "--port", port()});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("Password Error!"), std::string::npos) << refused.err;
}

TEST_F(CliRadio, FailedReadLeavesNoFileAndSaysWhy) {
    startRadio({"--fault", "bad-identity"});
    auto run = cli({"read", file("out.dat"), "--port", port()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(
        run.err.find("Becuase the type of radio does not match, communications is interrupt."),
        std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
}

TEST_F(CliRadio, ReadOverAnExistingFileKeepsItWhenTheRadioStopsAnswering) {
    const auto old = file("old.dat");
    ASSERT_EQ(cli({"new", old}).status, 0);
    const auto before = readBytes(old);
    startRadio({"--fault", "hang-after=10"});
    auto run = cli({"read", old, "--port", port()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Program Interrupt, Please reset the radio and try again"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(readBytes(old), before);
}

TEST_F(CliRadio, WriteRefusesAFileOutsideTheRadiosBandUnlessConfirmed) {
    const auto codeplug = file("codeplug.dat");
    ASSERT_EQ(cli({"new", codeplug}).status, 0);
    // A radio for 350-390 MHz only: neither band of the document fits.
    startRadio({"--identity", "5538383800353960"});
    auto refused = cli({"write", codeplug, "--port", port()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("The frequency band over the range of the radio."),
              std::string::npos)
        << refused.err;
    auto confirmed = cli({"write", codeplug, "--port", port(), "--yes"});
    EXPECT_EQ(confirmed.status, 0) << confirmed.err;
}

TEST_F(CliRadio, ServiceReadUpdatesTheFileOnlyWhenItCompletes) {
    const auto codeplug = file("codeplug.dat");
    ASSERT_EQ(cli({"new", codeplug}).status, 0);
    startRadio();
    auto write = cli({"service", "write", "sql", codeplug, "--port", port()});
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_NE(write.err.find("Write Successfully"), std::string::npos) << write.err;
    auto read =
        cli({"service", "read", "params", codeplug, "--port", port(), "--service-code", "457qrs"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.err.find("Read Successfully"), std::string::npos) << read.err;
    radio.reset();

    const auto before = readBytes(codeplug);
    startRadio({"--fault", "short-identity"});
    auto failed = cli({"service", "read", "squelch", codeplug, "--port", port()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("Communication Error"), std::string::npos) << failed.err;
    EXPECT_EQ(readBytes(codeplug), before);
}

// A tuning area of 0xFF reaches the radio as the windows would store it, never as
// it lies in the file, and the file is saved with what was sent.
TEST_F(CliRadio, ServiceWriteSendsWhatTheDialogWouldStore) {
    const auto codeplug = file("codeplug.dat");
    ASSERT_EQ(cli({"new", codeplug}).status, 0);
    const auto fresh = readBytes(codeplug);
    auto bytes = fresh;
    std::fill(bytes.begin() + 0xFA0, bytes.begin() + 0xFD0, 0xFF);
    testsupport::writeBytes(codeplug, bytes);

    // Parameter Adjust takes the service code in both directions, checked before
    // any port is opened.
    for (const auto& code : std::vector<std::vector<std::string>>{{}, {"--service-code", "1"}}) {
        auto words = std::vector<std::string>{"service", "write",  "params",
                                              codeplug,  "--port", file("no-such-port")};
        words.insert(words.end(), code.begin(), code.end());
        auto refused = cli(words);
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.err.find("service access code"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(readBytes(codeplug), bytes);

    startRadio();
    ASSERT_EQ(cli({"service", "write", "sql", codeplug, "--port", port()}).status, 0);
    auto params =
        cli({"service", "write", "params", codeplug, "--port", port(), "--service-code", "457QRS"});
    ASSERT_EQ(params.status, 0) << params.err;
    const auto sent = readBytes(codeplug);
    const auto memory = radioMemory();
    EXPECT_TRUE(sameRange(sent, memory, 0xFA0, 0xFCF));
    EXPECT_EQ(memory[0xFA0], fresh[0xFA0]); // the first row's default
    EXPECT_EQ(memory[0xFA5], 0x1A);
    EXPECT_EQ(memory[0xFCF], 0x8A); // shown as -10
}

TEST_F(CliRadio, FailedWriteSaysTheRadioMayHoldAPartlyWrittenMemory) {
    const auto codeplug = file("codeplug.dat");
    ASSERT_EQ(cli({"new", codeplug}).status, 0);
    startRadio({"--fault", "no-ack=20"});
    auto run = cli({"write", codeplug, "--port", port()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Program Interrupt"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("partly written memory"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("nothing was changed"), std::string::npos) << run.err;
}

// Found before the radio is woken (there is none here), not after the whole read.
TEST_F(CliRadio, ReadRefusesAnOutputItCannotWriteAtOnce) {
    std::filesystem::create_directory(file("folder.dat"));
    for (const std::string& out : {file("no-such-folder/out.dat"), file("folder.dat")}) {
        SCOPED_TRACE(out);
        auto run = cli({"read", out, "--port", file("no-such-port")});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.find("program-cli: read: cannot write " + out), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST_F(CliRadio, MissingPortIsOneClearFailure) {
    auto run = cli({"read", file("out.dat"), "--port", file("no-such-port")});
    EXPECT_EQ(run.status, 1);
    // One line: the program's message, then the port and the system's reason.
    EXPECT_EQ(run.err.find("program-cli: Could not Open the Port"), 0u) << run.err;
    EXPECT_NE(run.err.find("no-such-port: No such file or directory)\n"), std::string::npos)
        << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file("out.dat")));
}

TEST_F(CliRadio, DoctorFindsTheRadioWritesItsReportAndSaysWhenNoneAnswers) {
    startRadio();
    auto run = cli({"doctor", "--port", port(), "--report", file("report.txt")});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("\nok      A radio answers: model U, 136-174 MHz.\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nA radio answers on " + port() + ".\n"), std::string::npos);
    const std::string report = testsupport::slurp(file("report.txt"));
    EXPECT_NE(report.find("version: "), std::string::npos);
    EXPECT_NE(report.find("> 4D 02"), std::string::npos) << report;

    run = cli({"doctor", "--port", file("no-such-port")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("problem " + file("no-such-port") + " does not exist"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\n        Plug the cable in"), std::string::npos);
    EXPECT_EQ(cli({"doctor", "extra"}).status, 2);
    EXPECT_EQ(cli({"doctor", "--port", port(), "--port-number", "1"}).status, 2);
}
