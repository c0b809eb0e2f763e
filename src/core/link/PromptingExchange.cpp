#include "link/PromptingExchange.h"

#include "app/MessageIds.h"
#include "link/LinkTexts.h"
#include "link/PromptingHandshake.h"
#include "link/WireSession.h"
#include "link/WireVocabulary.h"

namespace program {

namespace {
constexpr int FramePauseMs = 1;
}

SerialTimeouts PromptingExchange::timeouts() const {
    return {.readInterval = 30,
            .readTotalMultiplier = 100,
            .readTotalConstant = 90,
            .writeTotalMultiplier = 50,
            .writeTotalConstant = 50};
}

LinkMessage PromptingExchange::portFailureMessage() const {
    return linktexts::stringTable(message::CouldNotOpenPort);
}

LinkMessage PromptingExchange::failureMessage() const {
    return linktexts::stringTable(message::ProgramInterrupt);
}

// The identification answer is read and ignored: Software Info serves every
// radio that wakes.
std::optional<TransferResult> PromptingExchange::handshake(WireSession& session) {
    return runPromptingHandshake(session, host(), PromptingHandshakeSteps{});
}

std::optional<std::vector<std::uint8_t>> PromptingExchange::receiveBlockData(WireSession& session,
                                                                             std::size_t length) {
    session.pause(FramePauseMs);
    const SerialReadResult reply = session.receive(wire::ReadReplyHeaderSize + length);
    if (reply.error || reply.bytes.size() < wire::ReadReplyHeaderSize + length)
        return std::nullopt;
    return std::vector<std::uint8_t>(reply.bytes.begin() + wire::ReadReplyHeaderSize,
                                     reply.bytes.end());
}

void PromptingExchange::pauseBeforeWriteData(WireSession& session) {
    session.pause(FramePauseMs);
}

} // namespace program
