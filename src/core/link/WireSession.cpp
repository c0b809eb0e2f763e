#include "link/WireSession.h"

#include "link/LinkTexts.h"
#include "link/WireVocabulary.h"

namespace program {

namespace {
constexpr int WakeBytePauseMs = 2;
}

std::optional<TransferResult> WireSession::open(const std::string& device,
                                                const SerialTimeouts& timeouts,
                                                const LinkMessage& usualFailure) {
    const SerialOpenResult opened = m_link.open(device);
    if (!opened.ok()) {
        const bool refused = opened.status == SerialOpenResult::Status::PermissionDenied;
        TransferResult result =
            fail(refused ? linktexts::portPermissionDenied(device) : usualFailure);
        result.portDetail = opened.detail;
        return result;
    }
    m_link.setQueueSizes(InputQueueSize, OutputQueueSize);
    m_link.setTimeouts(timeouts);
    m_link.setLineSettings(LineSettings{});
    return std::nullopt;
}

void WireSession::close() {
    if (m_link.isOpen())
        m_link.close();
}

TransferResult WireSession::fail(const LinkMessage& message) {
    m_host.ask(message, TransferHost::Buttons::Ok);
    return TransferResult{TransferResult::Outcome::Failed, message, {}};
}

bool WireSession::receiveAck() {
    const SerialReadResult reply = receive(1);
    return !reply.error && reply.bytes.size() == 1 && reply.bytes[0] == wire::Ack;
}

void WireSession::sendWake(bool clearBeforeEachByte) {
    for (std::uint8_t byte : wire::WakeSequence) {
        pause(WakeBytePauseMs);
        if (clearBeforeEachByte)
            clear();
        send(byte);
    }
}

bool WireSession::wakeAnswered() {
    const SerialReadResult first = receive(1);
    if (first.error)
        return false;
    if (first.bytes.size() == 1 && first.bytes[0] == wire::Ack)
        return true;
    return receiveAck();
}

} // namespace program
