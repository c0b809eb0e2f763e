#include "RadioEngine.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace program;
using namespace program::sim;
using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes kWake{0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
const Bytes kIdentify{0x4D, 0x02};
const Bytes kAck{0x06};

Bytes frame(std::uint8_t command, std::uint16_t address, std::uint8_t length) {
    return {command, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
            length};
}

Bytes joined(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A radio in programming mode after wake, identification and confirmation.
class RadioEngineTest : public ::testing::Test {
protected:
    RadioEngine makeRadio(const RadioFaults& faults = {}) {
        return RadioEngine(memory, defaultIdentity(), faults);
    }
    static void handshake(RadioEngine& radio) {
        ASSERT_EQ(radio.receive(kWake), kAck);
        ASSERT_EQ(radio.receive(kIdentify).size(), 8u);
        ASSERT_EQ(radio.receive(kAck), kAck);
    }
    Bytes readReply(std::uint16_t address, std::uint8_t length = 8) {
        Bytes reply = frame(0x52, address, length);
        auto data = memory.range(address, length);
        reply.insert(reply.end(), data.begin(), data.end());
        return reply;
    }

    CodeplugImage memory = factoryFreshMemory();
};

} // namespace

TEST_F(RadioEngineTest, AnswersTheWireVocabularyLikeARadio) {
    RadioEngine radio = makeRadio();
    EXPECT_EQ(radio.receive(kWake), kAck);
    EXPECT_EQ(radio.receive(kIdentify), (Bytes{'U', '8', '8', '8', 0x00, 0x13, 0x17, 0x64}));
    EXPECT_EQ(radio.receive(kAck), kAck) << "confirmation";

    EXPECT_EQ(radio.receive(frame(0x52, 0xFE0, 8)), readReply(0xFE0));
    EXPECT_EQ(radio.receive(kAck), kAck);

    const Bytes data{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(radio.receive(joined(frame(0x57, 0x010, 8), data)), kAck);
    EXPECT_EQ(radio.receive(joined(frame(0x57, 0xFD2, 2), {0xAA, 0xBB})), kAck);
    const Bytes expected = joined(frame(0x52, 0x010, 8), data);
    EXPECT_EQ(radio.receive(frame(0x52, 0x010, 8)), expected);
    EXPECT_EQ(radio.receive(kAck), kAck);
    EXPECT_EQ(radio.memory().at(0xFD2), 0xAA);
    EXPECT_EQ(radio.memory().at(0xFD4), memory.at(0xFD4)) << "a 2-byte block stores 2 bytes";
    EXPECT_EQ(radio.wakesAnswered(), 1);
}

TEST_F(RadioEngineTest, IgnoresEverythingUntilWokenAndBlocksUntilConfirmed) {
    RadioEngine radio = makeRadio();
    EXPECT_TRUE(radio.receive(kIdentify).empty());
    EXPECT_TRUE(radio.receive(frame(0x52, 0, 8)).empty());
    EXPECT_TRUE(radio.receive(kAck).empty());

    ASSERT_EQ(radio.receive(kWake), kAck);
    EXPECT_TRUE(radio.receive(kAck).empty()) << "no confirmation before identification";
    EXPECT_TRUE(radio.receive(joined(frame(0x57, 0, 8), Bytes(8, 0))).empty());
    EXPECT_EQ(radio.memory(), memory) << "a block before the confirmation changes nothing";
    ASSERT_EQ(radio.receive(kIdentify).size(), 8u);
    EXPECT_EQ(radio.receive(kAck), kAck);
    EXPECT_EQ(radio.receive(frame(0x52, 0, 8)), readReply(0));
}

TEST_F(RadioEngineTest, WakeSequenceRestartsTheSessionAtAnyPoint) {
    RadioEngine radio = makeRadio();
    handshake(radio);
    // Half a command frame, then the program starts over.
    EXPECT_TRUE(radio.receive(Bytes{0x57, 0x00}).empty());
    EXPECT_EQ(radio.receive(kWake), kAck);
    EXPECT_TRUE(radio.receive(frame(0x52, 0, 8)).empty()) << "a new session needs its handshake";
    ASSERT_EQ(radio.receive(kIdentify).size(), 8u);
    ASSERT_EQ(radio.receive(kAck), kAck);
    EXPECT_EQ(radio.receive(frame(0x52, 0x100, 8)), readReply(0x100));

    // Closing the port puts the radio back to sleep and drops a half command.
    radio.receive(Bytes{0x52, 0x0F});
    radio.portClosed();
    EXPECT_TRUE(radio.receive(Bytes{0xE0, 0x08}).empty());
    EXPECT_EQ(radio.receive(kWake), kAck);
    EXPECT_EQ(radio.wakesAnswered(), 3);
}

TEST_F(RadioEngineTest, OutOfRangeBlocksAreNotAnsweredAndTheStreamStaysInStep) {
    RadioEngine radio = makeRadio();
    handshake(radio);
    EXPECT_TRUE(radio.receive(frame(0x52, 0xFFC, 8)).empty());
    EXPECT_TRUE(radio.receive(frame(0x52, 0x100, 0)).empty());
    // A write past the end still takes its data bytes before the next command.
    EXPECT_TRUE(radio.receive(joined(frame(0x57, 0xFFF, 2), {0x52, 0x52})).empty());
    EXPECT_EQ(radio.memory(), memory);
    EXPECT_EQ(radio.receive(frame(0x52, 0xFF8, 8)), readReply(0xFF8));
    // Bytes the radio has no use for are dropped.
    EXPECT_TRUE(radio.receive(Bytes{0x00, 0xFF, 0x4D, 0x03}).empty());
    EXPECT_EQ(radio.receive(kIdentify).size(), 8u);
}

TEST_F(RadioEngineTest, WakeFaults) {
    RadioFaults silent;
    silent.silent = true;
    RadioEngine mute = makeRadio(silent);
    EXPECT_TRUE(mute.receive(kWake).empty());
    EXPECT_TRUE(mute.receive(kIdentify).empty());

    RadioFaults everyThird;
    everyThird.answerEveryNthWake = 3;
    RadioEngine slow = makeRadio(everyThird);
    Bytes answers;
    for (int attempt = 1; attempt <= 6; ++attempt)
        answers.push_back(slow.receive(kWake).empty() ? 0 : 1);
    EXPECT_EQ(answers, (Bytes{0, 0, 1, 0, 0, 1}));

    RadioFaults junk;
    junk.junkBeforeWake = true;
    RadioEngine noisy = makeRadio(junk);
    Bytes answer = noisy.receive(kWake);
    ASSERT_EQ(answer.size(), 2u);
    EXPECT_NE(answer[0], 0x06);
    EXPECT_EQ(answer[1], 0x06);
}

TEST_F(RadioEngineTest, IdentityAndConfirmationFaults) {
    RadioFaults wrong;
    wrong.badIdentity = true;
    RadioEngine stranger = makeRadio(wrong);
    stranger.receive(kWake);
    Bytes identity = stranger.receive(kIdentify);
    ASSERT_EQ(identity.size(), 8u);
    EXPECT_TRUE(identity[0] != 'U' && identity[0] != 'P' && identity[0] != 'X' &&
                identity[0] != 'V');

    RadioFaults shortened;
    shortened.shortIdentity = true;
    RadioEngine terse = makeRadio(shortened);
    terse.receive(kWake);
    EXPECT_EQ(terse.receive(kIdentify).size(), 7u);

    RadioFaults refusing;
    refusing.badConfirm = true;
    RadioEngine stubborn = makeRadio(refusing);
    stubborn.receive(kWake);
    stubborn.receive(kIdentify);
    Bytes confirm = stubborn.receive(kAck);
    ASSERT_EQ(confirm.size(), 1u);
    EXPECT_NE(confirm[0], 0x06);
}

TEST_F(RadioEngineTest, BlockFaultsCountBlocksWithinASession) {
    RadioFaults faults;
    faults.noAckBlock = 2;
    RadioEngine radio = makeRadio(faults);
    handshake(radio);
    EXPECT_EQ(radio.receive(joined(frame(0x57, 0, 8), Bytes(8, 1))), kAck);
    EXPECT_TRUE(radio.receive(joined(frame(0x57, 8, 8), Bytes(8, 2))).empty());
    EXPECT_EQ(radio.memory().at(8), 2) << "the block arrived; only its acknowledgement is lost";
    // A read block's acknowledgement is the answer to the program's 06.
    handshake(radio);
    EXPECT_EQ(radio.receive(frame(0x52, 0, 8)).size(), 12u);
    EXPECT_EQ(radio.receive(kAck), kAck);
    EXPECT_EQ(radio.receive(frame(0x52, 8, 8)).size(), 12u);
    EXPECT_TRUE(radio.receive(kAck).empty());

    RadioFaults shortRead;
    shortRead.shortReadBlock = 2;
    RadioEngine clipped = makeRadio(shortRead);
    handshake(clipped);
    EXPECT_EQ(clipped.receive(frame(0x52, 0, 8)).size(), 12u);
    clipped.receive(kAck);
    EXPECT_EQ(clipped.receive(frame(0x52, 8, 8)).size(), 11u);
    shortRead.shortReadEveryBlock = true;
    RadioEngine allClipped = makeRadio(shortRead);
    handshake(allClipped);
    EXPECT_EQ(allClipped.receive(frame(0x52, 0, 8)).size(), 11u);
}

TEST_F(RadioEngineTest, HungRadioAnswersNothingUntilWokenAgain) {
    RadioFaults faults;
    faults.hangAfter = 2;
    RadioEngine radio = makeRadio(faults);
    handshake(radio);
    EXPECT_EQ(radio.receive(frame(0x52, 0, 8)).size(), 12u);
    EXPECT_EQ(radio.receive(kAck), kAck);
    EXPECT_EQ(radio.receive(joined(frame(0x57, 0, 8), Bytes(8, 7))), kAck);
    EXPECT_TRUE(radio.receive(joined(frame(0x57, 8, 8), Bytes(8, 9))).empty());
    EXPECT_EQ(radio.memory().at(8), memory.at(8)) << "a hung radio stores nothing";
    EXPECT_TRUE(radio.receive(kAck).empty());
    EXPECT_TRUE(radio.receive(kIdentify).empty());
    handshake(radio);
    EXPECT_EQ(radio.receive(frame(0x52, 0, 8)).size(), 12u);
}

TEST_F(RadioEngineTest, LogsEveryExchange) {
    std::vector<std::string> lines;
    RadioEngine radio(memory, defaultIdentity(), {},
                      [&lines](const std::string& line) { lines.push_back(line); });
    handshake(radio);
    radio.receive(joined(frame(0x57, 0x123, 2), {0xAB, 0xCD}));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[0].find("wake"), std::string::npos);
    EXPECT_NE(lines[1].find("55 38 38 38 00 13 17 64"), std::string::npos);
    EXPECT_NE(lines[3].find("0x123"), std::string::npos);
    EXPECT_NE(lines[3].find("AB CD"), std::string::npos);
}
