#include "link/PromptingExchange.h"
#include "link/StrictExchange.h"

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

const std::string Device = "/dev/ttyUSB1";

std::vector<std::string> wakeWithoutClears() {
    std::vector<std::string> out;
    for (const char* byte : {"02", "50", "52", "4F", "47", "52", "41"})
        out.push_back(std::string("w ") + byte);
    return out;
}

std::vector<std::string> concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

bool inPlan(const BlockPlan& plan, std::size_t offset) {
    return std::any_of(plan.begin(), plan.end(), [offset](const Block& b) {
        return offset >= b.address && offset < b.address + b.length;
    });
}

class ServiceExchangeTest : public ::testing::Test {
protected:
    static CodeplugImage radioMemory() {
        CodeplugImage memory;
        for (std::size_t i = 0; i < CodeplugImage::Size; ++i)
            memory.set(i, static_cast<std::uint8_t>(i * 13 + 1));
        return memory;
    }
    void misbehave(std::initializer_list<std::string_view> faults) {
        radio.replace(radioMemory(), radioFaults(faults));
    }

    TransferResult strict(ExchangeDirection direction, const BlockPlan& plan) {
        return StrictExchange(link, host).run(direction, Device, plan, image);
    }
    TransferResult prompting(ExchangeDirection direction, const std::function<void()>& step = {}) {
        return PromptingExchange(link, host)
            .run(direction, Device, BlockPlan::softwareInfo(), image, step);
    }
    void expectOnlyMessage(const std::string& english, const std::string& chinese) {
        ASSERT_EQ(host.questions.size(), 1u);
        EXPECT_EQ(host.questions[0].message.text.english, english);
        EXPECT_EQ(host.questions[0].message.text.chinese, chinese);
        EXPECT_EQ(host.questions[0].buttons, TransferHost::Buttons::Ok);
    }

    RecordingRadio radio{radioMemory()};
    FakeSerialLink link{radio};
    ScriptedHost host;
    CodeplugImage image;
};

TEST_F(ServiceExchangeTest, StrictReadStoresThePlanAndNothingElse) {
    const BlockPlan plan = BlockPlan::parameterAdjust();
    const TransferResult result = strict(ExchangeDirection::Read, plan);

    EXPECT_TRUE(result.completed());
    for (std::size_t i = 0; i < CodeplugImage::Size; ++i)
        ASSERT_EQ(image.at(i), inPlan(plan, i) ? radio.memory().at(i) : 0xFF) << i;
    expectOnlyMessage("Read Successfully", "读数据成功");
    EXPECT_EQ(host.questions[0].message.caption, LinkMessage::Caption::ApplicationName);
    EXPECT_EQ(link.timeoutValues(), (std::array<int, 5>{100, 50, 100, 50, 50}));
    EXPECT_EQ(host.sleptMs, 14 + 2);
    EXPECT_TRUE(link.closedProperly());

    const auto expected =
        concat({{"open", "queue", "timeouts", "line", "clear"},
                wakeWithoutClears(),
                {"r 1", "clear", "w 4D 02", "r 8", "clear", "w 06", "r 1"},
                {"clear", "w 52 0F B4 04", "r 4", "r 4", "clear", "w 06", "r 1"},
                {"clear", "w 52 0F B8 08", "r 4", "r 8", "clear", "w 06", "r 1"},
                {"clear", "w 52 0F C0 08", "r 4", "r 8", "clear", "w 06", "r 1"},
                {"clear", "w 52 0F C8 08", "r 4", "r 8", "clear", "w 06", "r 1", "close"}});
    EXPECT_EQ(link.trace(), expected);
}

TEST_F(ServiceExchangeTest, StrictWriteSendsThePlanFromTheImage) {
    for (std::size_t i = 0xFA0; i < 0xFB4; ++i)
        image.set(i, static_cast<std::uint8_t>(i - 0xFA0 + 5));
    const CodeplugImage radioBefore = radio.memory();
    const BlockPlan plan = BlockPlan::squelchTuning();

    EXPECT_TRUE(strict(ExchangeDirection::Write, plan).completed());

    for (std::size_t i = 0; i < CodeplugImage::Size; ++i)
        ASSERT_EQ(radio.memory().at(i), inPlan(plan, i) ? image.at(i) : radioBefore.at(i)) << i;
    expectOnlyMessage("Write Successfully", "写数据成功");
    const auto trace = link.trace();
    const auto last = std::find(trace.begin(), trace.end(), "w 57 0F B0 04");
    ASSERT_NE(last, trace.end());
    EXPECT_EQ(
        std::vector<std::string>(last - 1, trace.end()),
        (std::vector<std::string>{"clear", "w 57 0F B0 04", "w 15 16 17 18", "r 1", "close"}));
}

TEST_F(ServiceExchangeTest, StrictMakesFourWakeAttempts) {
    misbehave({"wake-only=4"});
    EXPECT_TRUE(strict(ExchangeDirection::Read, BlockPlan::squelchTuning()).completed());
    EXPECT_EQ(radio.wakes, 4);
    EXPECT_EQ(link.count(FakeSerialLink::Kind::Purge), 0);

    misbehave({"wake-only=5"});
    host = ScriptedHost{};
    EXPECT_EQ(strict(ExchangeDirection::Read, BlockPlan::squelchTuning()).outcome, Outcome::Failed);
    EXPECT_EQ(radio.wakes, 4);
    expectOnlyMessage("Communication Error", "通讯出错");
    EXPECT_TRUE(link.closedProperly());
}

TEST_F(ServiceExchangeTest, StrictFailuresChangeNothingAndSayCommunicationError) {
    for (const sim::RadioFaults& faults :
         {radioFaults({"short-identity"}), radioFaults({"bad-confirm"}), radioFaults({"no-ack=3"}),
          radioFaults({"short-read=3"})}) {
        RecordingRadio faulty(radioMemory(), faults);
        FakeSerialLink faultyLink(faulty);
        host = ScriptedHost{};
        CodeplugImage untouched;

        const TransferResult result =
            StrictExchange(faultyLink, host).read(Device, BlockPlan::parameterAdjust(), untouched);

        EXPECT_EQ(result.outcome, Outcome::Failed);
        expectOnlyMessage("Communication Error", "通讯出错");
        EXPECT_EQ(untouched, CodeplugImage{});
        EXPECT_TRUE(faultyLink.closedProperly());
    }
}

TEST_F(ServiceExchangeTest, PortThatCannotBeOpened) {
    link.openStatus = SerialOpenResult::Status::NotFound;
    EXPECT_EQ(strict(ExchangeDirection::Write, BlockPlan::parameterAdjust()).outcome,
              Outcome::Failed);
    expectOnlyMessage("Open the serial port fails", "Open the serial port fails");

    host = ScriptedHost{};
    EXPECT_EQ(prompting(ExchangeDirection::Read).outcome, Outcome::Failed);
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::CouldNotOpenPort});
    EXPECT_FALSE(link.usedWhileClosed);
}

TEST_F(ServiceExchangeTest, PromptingReadIgnoresTheIdentity) {
    sim::RadioIdentity unknownModel = sim::defaultIdentity();
    unknownModel[0] = 'Q';
    radio.replace(radioMemory(), {}, unknownModel);
    const BlockPlan plan = BlockPlan::softwareInfo();

    EXPECT_TRUE(prompting(ExchangeDirection::Read).completed());

    for (std::size_t i = 0; i < CodeplugImage::Size; ++i)
        ASSERT_EQ(image.at(i), inPlan(plan, i) ? radio.memory().at(i) : 0xFF) << i;
    EXPECT_EQ(link.timeoutValues(), (std::array<int, 5>{30, 100, 90, 50, 50}));
    EXPECT_EQ(host.sleptMs, 14 + 1 + 1 + 3);
    const auto expectedStart = concat({{"open", "queue", "timeouts", "line", "purge"},
                                       wakeWithoutClears(),
                                       {"r 1", "clear", "w 4D 02", "r 8", "clear", "w 06", "r 1"},
                                       {"clear", "w 52 0F D0 08", "r 12", "clear", "w 06", "r 1"}});
    const auto trace = link.trace();
    ASSERT_GE(trace.size(), expectedStart.size());
    EXPECT_EQ(std::vector<std::string>(trace.begin(), trace.begin() + expectedStart.size()),
              expectedStart);
}

TEST_F(ServiceExchangeTest, PromptingAsksAfterFifteenSilentAttempts) {
    misbehave({"silent"});
    host.answers = {Answer::Retry, Answer::Cancel};
    bool stepRan = false;

    const TransferResult result = prompting(ExchangeDirection::Write, [&] { stepRan = true; });

    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_EQ(radio.wakes, 30);
    // Cancel at the prompt ends without another message.
    EXPECT_EQ(host.messageIds(),
              (std::vector<int>{message::CommunicationError, message::CommunicationError}));
    EXPECT_FALSE(stepRan);
    EXPECT_TRUE(link.closedProperly());
}

TEST_F(ServiceExchangeTest, PromptingConfirmationFailure) {
    misbehave({"wake-only=7", "bad-confirm"});
    EXPECT_EQ(prompting(ExchangeDirection::Read).outcome, Outcome::Failed);
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::ProgramInterrupt});

    misbehave({"bad-confirm"});
    host = ScriptedHost{};
    EXPECT_EQ(prompting(ExchangeDirection::Read).outcome, Outcome::Cancelled);
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::CommunicationError});
}

TEST_F(ServiceExchangeTest, PromptingShortReplyNeverLandsInTheImage) {
    misbehave({"short-read=3"});
    EXPECT_EQ(prompting(ExchangeDirection::Read).outcome, Outcome::Failed);
    EXPECT_EQ(host.messageIds(), std::vector<int>{message::ProgramInterrupt});
    EXPECT_EQ(image, CodeplugImage{});
    EXPECT_TRUE(link.closedProperly());
}

TEST_F(ServiceExchangeTest, StepAfterHandshakeFeedsTheWrite) {
    const auto step = [&] {
        EXPECT_EQ(radio.identifications, 1);
        EXPECT_TRUE(radio.blocksWritten.empty());
        image.set(0xFD1, 0x03);
        image.set(0xFF5, 0x20);
    };

    EXPECT_TRUE(prompting(ExchangeDirection::Write, step).completed());

    EXPECT_EQ(radio.memory().at(0xFD1), 0x03);
    EXPECT_EQ(radio.memory().at(0xFF5), 0x20);
    EXPECT_EQ(radio.blocksWritten, BlockPlan::softwareInfo().blocks());
    EXPECT_EQ(host.questions.back().message.text.english, "Write Successfully");
}

} // namespace
