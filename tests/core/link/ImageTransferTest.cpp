#include "link/ImageTransfer.h"

#include "app/MessageIds.h"
#include "support/FakeSerialLink.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace program;
using testsupport::FakeSerialLink;
using testsupport::radioFaults;
using testsupport::RecordingRadio;
using testsupport::ScriptedHost;
using Answer = TransferHost::Answer;
using Outcome = TransferResult::Outcome;

namespace {

const std::string Device = "/dev/ttyUSB0";

// The wake as the whole-image transfer sends it: a clear before every byte.
std::vector<std::string> wakeTrace() {
    std::vector<std::string> out{"purge"};
    for (const char* byte : {"02", "50", "52", "4F", "47", "52", "41"})
        out.insert(out.end(), {"clear", std::string("w ") + byte});
    out.push_back("r 1");
    return out;
}

std::vector<std::string> slice(const std::vector<std::string>& all, std::size_t from,
                               std::size_t count) {
    return {all.begin() + static_cast<long>(from), all.begin() + static_cast<long>(from + count)};
}

class ImageTransferTest : public ::testing::Test {
protected:
    ImageTransferTest() { image.set(0x123, 0x42); }

    // Distinct bytes everywhere, but the password of a new radio (all 0xFF),
    // which is also the password of a new document.
    static CodeplugImage radioMemory() {
        CodeplugImage memory;
        for (std::size_t i = 0; i < CodeplugImage::Size; ++i)
            memory.set(i, static_cast<std::uint8_t>(i * 7 + i / 256));
        for (std::size_t i = 0xFE2; i < 0xFE8; ++i)
            memory.set(i, 0xFF);
        return memory;
    }
    void misbehave(std::initializer_list<std::string_view> faults) {
        radio.replace(radioMemory(), radioFaults(faults));
    }

    TransferResult read() { return ImageTransfer(link, host).read(Device, image); }
    TransferResult write(BandLimits bands = {}, bool squelchWrite = false) {
        return ImageTransfer(link, host).write(Device, image, bands, squelchWrite);
    }

    RecordingRadio radio{radioMemory()};
    FakeSerialLink link{radio};
    ScriptedHost host;
    CodeplugImage image;
};

TEST_F(ImageTransferTest, ReadCopiesTheWholeRadio) {
    const TransferResult result = read();

    EXPECT_EQ(result.outcome, Outcome::Completed);
    EXPECT_FALSE(result.message);
    EXPECT_EQ(image, radio.memory());
    EXPECT_TRUE(link.closedProperly());
    EXPECT_EQ(link.device, Device);
    EXPECT_EQ(link.inputQueue, 1024u);
    EXPECT_EQ(link.outputQueue, 512u);
    EXPECT_EQ(link.timeoutValues(), (std::array<int, 5>{30, 100, 90, 50, 50}));
    EXPECT_EQ(radio.wakes, 1);
    ASSERT_EQ(radio.blocksRead.size(), 513u);
    EXPECT_EQ(radio.blocksRead.back(), (Block{0xFF8, 8}));

    // Rows are counted in the status text; the waits are six per attempt, 2 ms
    // before each wake byte, 1 ms before identification and confirmation, and
    // 1 ms in every row.
    EXPECT_EQ(host.progressMaximum, 256);
    EXPECT_EQ(host.progress.back(), 256);
    EXPECT_EQ(host.statuses.front(), "Waiting the response from radio....");
    EXPECT_EQ(host.chineseStatuses.front(), "请等待对机讲响应....");
    EXPECT_EQ(host.statuses.back(), "256");
    EXPECT_EQ(host.pumps, 6 + 256 * 5);
    EXPECT_EQ(host.sleptMs, 6 + 14 + 1 + 1 + 256);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(ImageTransferTest, ReadExchangesTheseBytesInThisOrder) {
    ASSERT_TRUE(read().completed());
    const auto trace = link.trace();

    EXPECT_EQ(slice(trace, 0, 4), (std::vector<std::string>{"open", "queue", "timeouts", "line"}));
    EXPECT_EQ(slice(trace, 4, 16), wakeTrace());
    // Identify, confirm, then the password block with no clear before it.
    EXPECT_EQ(slice(trace, 20, 22),
              (std::vector<std::string>{"clear", "w 4D 02",       "r 8",  "clear", "w 06", "clear",
                                        "r 1",   "w 52 0F E0 08", "r 12", "clear", "w 06", "r 1",
                                        "clear", "w 52 00 00 08", "r 12", "clear", "w 06", "r 1",
                                        "clear", "w 52 00 08 08", "r 12", "clear"}));
    EXPECT_EQ(trace.back(), "close");
}

TEST_F(ImageTransferTest, ReadRefusesARadioWithAnotherPassword) {
    image.set(0xFE7, 0x31);
    const CodeplugImage before = image;

    const TransferResult result = read();

    EXPECT_EQ(result.outcome, Outcome::Failed);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].message.text.english, "Password Error!");
    EXPECT_EQ(host.questions[0].message.text.chinese, "Password Error!");
    EXPECT_EQ(host.questions[0].message.caption, LinkMessage::Caption::None);
    EXPECT_EQ(image, before);
    EXPECT_EQ(radio.blocksRead.size(), 1u);
    EXPECT_TRUE(link.closedProperly());
}

TEST_F(ImageTransferTest, FailedReadLeavesTheImageAsItWas) {
    const CodeplugImage before = image;
    // Block 1 is the password block; block 200 is in the middle of the rows.
    for (const char* fault : {"no-ack=200", "short-read=200", "hang-after=200"}) {
        misbehave({fault});
        host = ScriptedHost{};

        const TransferResult result = read();

        EXPECT_EQ(result.outcome, Outcome::Failed);
        EXPECT_EQ(host.messageIds(), std::vector<int>{message::ProgramInterrupt});
        EXPECT_EQ(image, before);
        EXPECT_TRUE(link.closedProperly());
    }
}

TEST_F(ImageTransferTest, AcknowledgementMustActuallyArrive) {
    // The first row block ends in 06, and its acknowledgement never comes.
    CodeplugImage memory = radioMemory();
    memory.set(0x007, 0x06);
    radio.replace(memory, radioFaults({"no-ack=2"}));

    EXPECT_EQ(read().outcome, Outcome::Failed);
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::ProgramInterrupt});
}

TEST_F(ImageTransferTest, CancelledReadLeavesTheImageAsItWas) {
    const CodeplugImage before = image;
    host.cancelAtPump = 6 + 10 * 5; // the last pump step of row 10

    const TransferResult result = read();

    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_FALSE(result.message);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(image, before);
    EXPECT_EQ(radio.blocksRead.size(), 1u + 20u);
    EXPECT_TRUE(link.closedProperly());
}

TEST_F(ImageTransferTest, CancelBeforeTheRadioAnswersSendsNothing) {
    host.cancelAtPump = 1;

    EXPECT_EQ(read().outcome, Outcome::Cancelled);
    EXPECT_EQ(link.count(FakeSerialLink::Kind::Write), 0);
    EXPECT_TRUE(link.closedProperly());
}

TEST_F(ImageTransferTest, PortThatCannotBeOpened) {
    link.openStatus = SerialOpenResult::Status::Busy;
    const TransferResult busy = read();
    EXPECT_EQ(busy.outcome, Outcome::Failed);
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::CouldNotOpenPort});
    EXPECT_EQ(host.questions[0].message.caption, LinkMessage::Caption::ApplicationName);
    EXPECT_EQ(host.questions[0].message.detail.english, "")
        << "the text already says it is occupied";
    EXPECT_EQ(link.trace(), std::vector<std::string>{"open"});

    // A missing device: the system's reason shows beneath the text.
    link.openStatus = SerialOpenResult::Status::NotFound;
    read();
    EXPECT_EQ(host.questions.back().message.detail.english, "refused by the test");

    // Without permission the message says how to get it, in both languages.
    link.openStatus = SerialOpenResult::Status::PermissionDenied;
    const TransferResult refused = write();
    ASSERT_TRUE(refused.message);
    EXPECT_NE(refused.message->text.english.find("dialout"), std::string::npos);
    EXPECT_NE(refused.message->text.chinese.find("dialout"), std::string::npos);
    EXPECT_EQ(refused.portDetail, "refused by the test");
    EXPECT_FALSE(link.usedWhileClosed);
}

TEST_F(ImageTransferTest, WakeAnswerGetsASecondReadButNotAfterAnError) {
    misbehave({"junk-before-wake"});
    EXPECT_TRUE(read().completed());
    EXPECT_EQ(radio.wakes, 1);

    // A read error ends the attempt at once, though the answer is waiting.
    RecordingRadio answering;
    FakeSerialLink failingOnce(answering);
    failingOnce.failingReads = {1};
    EXPECT_TRUE(ImageTransfer(failingOnce, host).read(Device, image).completed());
    EXPECT_EQ(answering.wakes, 2);
}

TEST_F(ImageTransferTest, SilentRadioIsPromptedAfterFifteenAttempts) {
    misbehave({"silent"});
    host.answers = {Answer::Retry, Answer::Cancel};

    const TransferResult result = read();

    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_EQ(host.messageIds(),
              (std::vector<int>{message::CommunicationError, message::CommunicationError}));
    EXPECT_EQ(host.questions[0].buttons, TransferHost::Buttons::RetryCancel);
    EXPECT_EQ(radio.wakes, 30);
    EXPECT_EQ(host.pumps, 30 * 6);
    EXPECT_EQ(host.statuses.size(), 30u);
    EXPECT_TRUE(link.closedProperly());
}

TEST_F(ImageTransferTest, FailedConfirmationAfterMoreThanFiveAttemptsEndsTheRun) {
    misbehave({"wake-only=6", "bad-confirm"});
    EXPECT_EQ(read().outcome, Outcome::Failed);
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::ProgramInterrupt});
    EXPECT_TRUE(link.closedProperly());

    // Answered on the fifth: the prompt comes up, the radio is mended meanwhile,
    // and Retry gets through.
    misbehave({"wake-only=5", "bad-confirm"});
    host = ScriptedHost{};
    host.answers = {Answer::Retry};
    host.onQuestion = [this] { radio.setFaults({}); };
    EXPECT_TRUE(ImageTransfer(link, host).read(Device, image).completed());
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::CommunicationError});
}

TEST_F(ImageTransferTest, UnknownRadioTypeIsRefused) {
    sim::RadioIdentity unknownModel = sim::defaultIdentity(), wrongDigits = unknownModel;
    unknownModel[0] = 'Q';
    wrongDigits[3] = '9';
    RecordingRadio first(radioMemory(), {}, unknownModel), second(radioMemory(), {}, wrongDigits),
        third(radioMemory(), radioFaults({"short-identity"}));
    for (RecordingRadio* other : {&first, &second, &third}) {
        FakeSerialLink otherLink(*other);
        ScriptedHost otherHost;
        EXPECT_EQ(ImageTransfer(otherLink, otherHost).write(Device, image, {}, false).outcome,
                  Outcome::Failed);
        ASSERT_EQ(otherHost.questions.size(), 1u);
        EXPECT_EQ(otherHost.questions[0].message.text.english,
                  "Becuase the type of radio does not match,\ncommunications is interrupt.");
        EXPECT_EQ(otherHost.questions[0].message.text.chinese, "对讲机类型不匹配,无法通讯。");
        EXPECT_EQ(otherHost.questions[0].message.caption, LinkMessage::Caption::Caution);
        EXPECT_TRUE(other->blocksWritten.empty());
        EXPECT_TRUE(otherLink.closedProperly());
    }
}

std::vector<Block> expectedWriteBlocks(bool squelchWrite) {
    std::vector<Block> blocks;
    for (std::uint16_t address = 0; address < 0xFA0; address += 8)
        blocks.push_back({address, 8});
    blocks.insert(blocks.end(), {{0xFE0, 8}, {0xFE8, 8}, {0xFD2, 2}, {0xFDC, 4}});
    if (squelchWrite) {
        for (std::uint16_t address = 0xFA0; address < 0xFD0; address += 8)
            blocks.push_back({address, 8});
    }
    return blocks;
}

TEST_F(ImageTransferTest, WriteSendsTheRowsThenTheFixedBlocks) {
    for (std::size_t i = 0; i < CodeplugImage::Size; ++i)
        image.set(i, static_cast<std::uint8_t>(255 - i % 251));
    for (bool squelchWrite : {false, true}) {
        const CodeplugImage radioBefore = radio.memory();
        radio.clearRecord();
        host = ScriptedHost{};

        ASSERT_TRUE(write({}, squelchWrite).completed());

        EXPECT_EQ(radio.blocksWritten, expectedWriteBlocks(squelchWrite));
        for (std::size_t i = 0; i < CodeplugImage::Size; ++i) {
            const bool sent = std::any_of(
                radio.blocksWritten.begin(), radio.blocksWritten.end(),
                [i](const Block& b) { return i >= b.address && i < b.address + b.length; });
            ASSERT_EQ(radio.memory().at(i), sent ? image.at(i) : radioBefore.at(i)) << i;
        }
        // Woken and identified twice: the second time after the band check.
        EXPECT_EQ(radio.wakes, 2);
        EXPECT_EQ(radio.identifications, 2);
        EXPECT_EQ(host.progressMaximum, 250);
        EXPECT_EQ(host.statuses.back(), "250");
        EXPECT_EQ(host.pumps, 2 * 6 + 250 * 5);
        EXPECT_EQ(host.sleptMs,
                  2 * (6 + 14 + 1) + 1 + static_cast<long>(radio.blocksWritten.size()));
        EXPECT_TRUE(link.closedProperly());
    }
    // Each block: clear, frame, data, acknowledgement.
    const auto trace = link.trace();
    const auto first = std::find(trace.begin(), trace.end(), "w 57 00 00 08");
    ASSERT_NE(first, trace.end());
    EXPECT_EQ(std::vector<std::string>(first - 1, first + 4),
              (std::vector<std::string>{"clear", "w 57 00 00 08", "w FF FE FD FC FB FA F9 F8",
                                        "r 1", "clear"}));
}

TEST_F(ImageTransferTest, BandCheckAsksOnlyWhenNeitherBandFits) {
    // V band as the radio's, U band wider than anything: no question.
    ASSERT_TRUE(write(BandLimits{13600000, 17400000, 40000000, 52000000}).completed());
    EXPECT_TRUE(host.questions.empty());

    const BandLimits outside{13000000, 17400000, 40000000, 48000000};
    host.answers = {Answer::Ok};
    ASSERT_TRUE(write(outside).completed());
    ASSERT_EQ(host.messageIds(), std::vector<int>{message::BandOverRange});
    EXPECT_EQ(host.questions[0].buttons, TransferHost::Buttons::OkCancel);
    EXPECT_EQ(host.questions[0].message.caption, LinkMessage::Caption::Caution);

    radio.blocksWritten.clear();
    host = ScriptedHost{};
    host.answers = {Answer::Cancel};
    const TransferResult refused = write(outside);
    EXPECT_EQ(refused.outcome, Outcome::Cancelled);
    EXPECT_TRUE(radio.blocksWritten.empty());
    EXPECT_TRUE(link.closedProperly());
}

TEST_F(ImageTransferTest, WriteStopsAtTheFirstMissingAcknowledgement) {
    misbehave({"no-ack=3"});
    EXPECT_EQ(write().outcome, Outcome::Failed);
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::ProgramInterrupt});
    EXPECT_EQ(radio.blocksWritten.size(), 3u);
    EXPECT_TRUE(link.closedProperly());

    misbehave({});
    host = ScriptedHost{};
    host.cancelAtPump = 2 * 6 + 5;
    EXPECT_EQ(write().outcome, Outcome::Cancelled);
    EXPECT_EQ(radio.blocksWritten.size(), 2u);
    EXPECT_TRUE(link.closedProperly());
}

TEST_F(ImageTransferTest, VerifyReadsTheRadioBackAndNamesTheWrittenBytesItHoldsOtherwise) {
    for (std::size_t i = 0; i < CodeplugImage::Size; ++i)
        image.set(i, static_cast<std::uint8_t>(i % 253));
    // What a write never sends may differ without being reported.
    ASSERT_TRUE(write().completed());
    host = ScriptedHost{};
    radio.clearRecord();
    const VerifyResult clean = ImageTransfer(link, host).verify(Device, image, false);
    EXPECT_TRUE(clean.verified());
    EXPECT_NE(radio.memory().at(0xFF0), image.at(0xFF0));
    EXPECT_EQ(clean.radio, radio.memory());
    // A whole read, as Read does it, counted as verifying.
    EXPECT_EQ(radio.wakes, 1);
    EXPECT_EQ(radio.blocksRead.size(), 513u);
    EXPECT_EQ(host.statuses.back(), "Verifying 256");
    EXPECT_EQ(host.chineseStatuses.back(), "正在校验 256");
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(link.closedProperly());

    // A byte kept wrong is named by its region; one in the password does not stop
    // the read-back, it is one more difference.
    for (const auto& [fault, named] : {std::pair{"corrupt-write=0x0C3", "0x0C3: channel 9"},
                                       {"corrupt-write=0xFE4", "0xFE4: password"}}) {
        radio.setFaults(radioFaults({fault}));
        ASSERT_TRUE(write().completed());
        radio.setFaults({});
        const VerifyResult wrong = ImageTransfer(link, host).verify(Device, image, false);
        EXPECT_TRUE(wrong.readBack.completed());
        ASSERT_EQ(wrong.differences.size(), 1u);
        EXPECT_EQ(imagemap::describeRun(wrong.differences[0], Language::English), named);
        const std::size_t at = wrong.differences[0].offset;
        EXPECT_EQ(wrong.radio.at(at), static_cast<std::uint8_t>(~image.at(at)));
    }

    // The squelch table is checked only when it was written.
    radio.setFaults(radioFaults({"corrupt-write=0xFA1"}));
    ASSERT_TRUE(write({}, true).completed());
    radio.setFaults({});
    EXPECT_TRUE(ImageTransfer(link, host).verify(Device, image, false).verified());
    EXPECT_EQ(ImageTransfer(link, host).verify(Device, image, true).differences.size(), 1u);
}

TEST_F(ImageTransferTest, AFailedReadBackChecksNothing) {
    ASSERT_TRUE(write().completed());
    radio.setFaults(radioFaults({"hang-after=40"}));
    host = ScriptedHost{};
    const VerifyResult result = ImageTransfer(link, host).verify(Device, image, false);
    EXPECT_EQ(result.readBack.outcome, Outcome::Failed);
    EXPECT_FALSE(result.verified());
    EXPECT_TRUE(result.differences.empty());
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::ProgramInterrupt});
    EXPECT_TRUE(link.closedProperly());
}

} // namespace
