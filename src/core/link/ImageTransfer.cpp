#include "link/ImageTransfer.h"

#include "app/MessageIds.h"
#include "link/BlockPlan.h"
#include "link/LinkTexts.h"
#include "link/PromptingHandshake.h"
#include "link/WireSession.h"
#include "link/WireVocabulary.h"
#include "model/ImageMap.h"

#include <algorithm>

namespace program {

namespace {

constexpr SerialTimeouts Timeouts = ImageTransfer::LinkTimeouts;

constexpr int WriteRows = static_cast<int>(imagemap::FullRowsEnd / CodeplugImage::RowSize);
constexpr int ReadRows = static_cast<int>(CodeplugImage::RowCount);
constexpr std::uint8_t HalfRow = 8;
constexpr int PumpStepsPerAttempt = 6;
constexpr int PumpStepsPerRow = 5;
constexpr int PumpPauseMs = 1;
constexpr int FramePauseMs = 1;

// A read is refused when the radio's password differs from the document's; the
// password sits in the block of the radio type.
constexpr std::uint16_t PasswordBlock = imagemap::TypeAndPasswordBlock.offset;
constexpr std::size_t PasswordOffset = imagemap::Password.offset;
constexpr std::size_t PasswordLength = imagemap::Password.size;
constexpr std::size_t ReadReplySize = wire::ReadReplyHeaderSize + HalfRow;

// After the rows: radio type and password, then the parts of the identity block
// that Software Info does not edit. The squelch table and parameter block follow
// only when the squelch-write switch is on.
BlockPlan writeTail(bool squelchWrite) {
    std::vector<Block> blocks{
        blockOf(imagemap::TypeAndPasswordBlock), blockOf(imagemap::BlockAfterPassword),
        blockOf(imagemap::IdentityUnedited1), blockOf(imagemap::IdentityUnedited2)};
    if (squelchWrite) {
        const BlockPlan tuning = BlockPlan::fromRegion(imagemap::Tuning);
        blocks.insert(blocks.end(), tuning.begin(), tuning.end());
    }
    return BlockPlan(std::move(blocks));
}

TransferResult cancelled() {
    return TransferResult{TransferResult::Outcome::Cancelled, std::nullopt, {}};
}

LinkMessage programInterrupt() {
    return linktexts::stringTable(message::ProgramInterrupt);
}

bool writeBlock(WireSession& session, std::uint16_t address, std::uint8_t length,
                const CodeplugImage& image) {
    session.clear();
    if (!session.send(wire::writeBlockFrame(address, length)))
        return false;
    session.pause(FramePauseMs);
    if (!session.send(image.range(address, length)))
        return false;
    return session.receiveAck();
}

bool readBlock(WireSession& session, std::uint16_t address, bool firstOfRow,
               CodeplugImage& scratch) {
    session.clear();
    if (!session.send(wire::readBlockFrame(address, HalfRow)))
        return false;
    const SerialReadResult reply = session.receive(ReadReplySize);
    if (reply.error || reply.bytes.size() < ReadReplySize)
        return false;
    scratch.write(address, std::span(reply.bytes).subspan(wire::ReadReplyHeaderSize, HalfRow));
    if (firstOfRow)
        session.pause(FramePauseMs);
    session.clear();
    session.send(wire::Ack);
    return session.receiveAck();
}

} // namespace

ImageTransfer::ImageTransfer(SerialLink& link, TransferHost& host) : m_link(link), m_host(host) {}

std::vector<imagemap::Region> writtenRanges(bool squelchWrite) {
    std::vector<imagemap::Region> ranges{{0, imagemap::FullRowsEnd}};
    for (const Block& block : writeTail(squelchWrite))
        ranges.push_back({block.address, block.length});
    return ranges;
}

TransferResult ImageTransfer::read(const std::string& device, CodeplugImage& image) {
    return readAll(device, image, PasswordRule::Refuse, {});
}

VerifyResult ImageTransfer::verify(const std::string& device, const CodeplugImage& written,
                                   bool squelchWrite) {
    VerifyResult result{{}, written, {}};
    result.readBack = readAll(device, result.radio, PasswordRule::Accept, linktexts::Verifying);
    if (result.readBack.completed())
        result.differences =
            imagemap::differingRuns(written, result.radio, writtenRanges(squelchWrite));
    return result;
}

TransferResult ImageTransfer::readAll(const std::string& device, CodeplugImage& image,
                                      PasswordRule rule, const BilingualText& rowPrefix) {
    WireSession session(m_link, m_host);
    if (auto end =
            session.open(device, Timeouts, linktexts::stringTable(message::CouldNotOpenPort)))
        return *end;
    m_host.setProgressRange(ReadRows);
    if (auto end = handshake(session, nullptr))
        return *end;
    if (auto end = checkPassword(session, image, rule))
        return *end;

    CodeplugImage scratch = image;
    for (int row = 0; row < ReadRows; ++row) {
        const auto address = static_cast<std::uint16_t>(row * CodeplugImage::RowSize);
        if (!readBlock(session, address, true, scratch) ||
            !readBlock(session, address + HalfRow, false, scratch))
            return session.fail(programInterrupt());
        if (auto end = finishRow(row, rowPrefix))
            return *end;
    }
    session.close();
    image = scratch;
    return TransferResult{TransferResult::Outcome::Completed, std::nullopt, {}};
}

TransferResult ImageTransfer::write(const std::string& device, const CodeplugImage& image,
                                    const BandLimits& documentBands, bool squelchWrite) {
    WireSession session(m_link, m_host);
    if (auto end =
            session.open(device, Timeouts, linktexts::stringTable(message::CouldNotOpenPort)))
        return *end;
    m_host.setProgressRange(WriteRows);
    if (auto end = handshake(session, &documentBands))
        return *end;

    // From the first block on, an end short of the last leaves the radio's memory mixed.
    auto partly = [](TransferResult result) {
        result.radioPartlyWritten = true;
        return result;
    };
    for (int row = 0; row < WriteRows; ++row) {
        const auto address = static_cast<std::uint16_t>(row * CodeplugImage::RowSize);
        if (!writeBlock(session, address, HalfRow, image) ||
            !writeBlock(session, address + HalfRow, HalfRow, image))
            return partly(session.fail(programInterrupt()));
        if (auto end = finishRow(row))
            return partly(*end);
    }
    for (const Block& block : writeTail(squelchWrite)) {
        if (!writeBlock(session, block.address, block.length, image))
            return partly(session.fail(programInterrupt()));
    }
    session.close();
    return TransferResult{TransferResult::Outcome::Completed, std::nullopt, {}};
}

// On a write the band check comes after the first identification; whatever the
// answer, the radio is then woken and identified once more before any block.
std::optional<TransferResult> ImageTransfer::handshake(WireSession& session,
                                                       const BandLimits* documentBands) {
    bool bandCheckPending = documentBands != nullptr;

    PromptingHandshakeSteps steps;
    steps.clearBeforeEachWakeByte = true;
    steps.clearAfterConfirm = true;
    steps.beforeAttempt = [this]() -> std::optional<TransferResult> {
        for (int step = 0; step < PumpStepsPerAttempt; ++step) {
            if (m_host.pumpEvent())
                return cancelled();
            m_host.sleepMs(PumpPauseMs);
        }
        m_host.showStatus(linktexts::Waiting);
        return std::nullopt;
    };
    steps.checkIdentity = [&](const SerialReadResult& reply) -> IdentityVerdict {
        const auto identity = wire::IdentityRecord::parse(reply.bytes);
        if (reply.error || !identity)
            return IdentityVerdict{IdentityVerdict::Action::End,
                                   session.fail(linktexts::typeMismatch())};
        if (!bandCheckPending)
            return IdentityVerdict{};
        bandCheckPending = false;
        if (!identity->suits(*documentBands)) {
            const LinkMessage question =
                linktexts::stringTable(message::BandOverRange, LinkMessage::Caption::Caution);
            if (m_host.ask(question, TransferHost::Buttons::OkCancel) != TransferHost::Answer::Ok)
                return IdentityVerdict{IdentityVerdict::Action::End,
                                       {TransferResult::Outcome::Cancelled, question, {}}};
        }
        return IdentityVerdict{IdentityVerdict::Action::WakeAgain, {}};
    };
    return runPromptingHandshake(session, m_host, steps);
}

// The password frame goes without clearing the port first; the acknowledgement
// after it is a new command, so whatever followed the reply is dropped before it.
std::optional<TransferResult>
ImageTransfer::checkPassword(WireSession& session, const CodeplugImage& image, PasswordRule rule) {
    session.send(wire::readBlockFrame(PasswordBlock, HalfRow));
    const SerialReadResult reply = session.receive(ReadReplySize);
    const std::size_t first = wire::ReadReplyHeaderSize + (PasswordOffset - PasswordBlock);
    const auto expected = image.range(PasswordOffset, PasswordLength);
    const bool complete = !reply.error && reply.bytes.size() >= first + PasswordLength;
    const bool matches =
        complete && std::equal(expected.begin(), expected.end(), reply.bytes.begin() + first);
    if (!complete || (!matches && rule == PasswordRule::Refuse))
        return session.fail(linktexts::passwordError());
    session.clear();
    session.send(wire::Ack);
    if (!session.receiveAck())
        return session.fail(programInterrupt());
    return std::nullopt;
}

std::optional<TransferResult> ImageTransfer::finishRow(int row, const BilingualText& prefix) {
    const int position = row + 1;
    m_host.setProgress(position);
    const std::string shown = std::to_string(position);
    if (prefix.english.empty())
        m_host.showStatus({shown, shown});
    else
        m_host.showStatus({prefix.english + " " + shown, prefix.chinese + " " + shown});
    for (int step = 0; step < PumpStepsPerRow; ++step) {
        if (m_host.pumpEvent())
            return cancelled();
    }
    return std::nullopt;
}

} // namespace program
