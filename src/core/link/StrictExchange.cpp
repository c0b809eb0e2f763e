#include "link/StrictExchange.h"

#include "link/LinkTexts.h"
#include "link/WireSession.h"
#include "link/WireVocabulary.h"

namespace program {

namespace {
constexpr int WakeAnswerPauseMs = 2;
}

SerialTimeouts StrictExchange::timeouts() const {
    return {.readInterval = 100,
            .readTotalMultiplier = 50,
            .readTotalConstant = 100,
            .writeTotalMultiplier = 50,
            .writeTotalConstant = 50};
}

LinkMessage StrictExchange::portFailureMessage() const {
    return linktexts::openSerialPortFails();
}

LinkMessage StrictExchange::failureMessage() const {
    return linktexts::communicationError();
}

// The port is cleared once before the first attempt; the attempts follow each
// other without a purge.
std::optional<TransferResult> StrictExchange::handshake(WireSession& session) {
    session.clear();
    bool answered = false;
    for (int attempt = 0; attempt < WakeAttempts && !answered; ++attempt) {
        session.sendWake(false);
        session.pause(WakeAnswerPauseMs);
        answered = session.receiveAck();
    }
    if (!answered)
        return session.fail(failureMessage());

    session.clear();
    session.send(wire::IdentifyRequest);
    const SerialReadResult identity = session.receive(wire::IdentityRecord::Size);
    if (identity.error || identity.bytes.size() < wire::IdentityRecord::Size)
        return session.fail(failureMessage());

    session.clear();
    session.send(wire::Ack);
    if (!session.receiveAck())
        return session.fail(failureMessage());
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> StrictExchange::receiveBlockData(WireSession& session,
                                                                          std::size_t length) {
    const SerialReadResult header = session.receive(wire::ReadReplyHeaderSize);
    const SerialReadResult data = session.receive(length);
    if (header.error || data.error || header.bytes.size() < wire::ReadReplyHeaderSize ||
        data.bytes.size() < length)
        return std::nullopt;
    return data.bytes;
}

void StrictExchange::pauseBeforeWriteData(WireSession&) {}

} // namespace program
