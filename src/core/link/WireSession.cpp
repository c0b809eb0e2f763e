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
        // Refused permission has a message of its own that says how to get it. A
        // missing device or another failure of the system shows its reason beneath the
        // usual text; a busy port or a file that is no port is what the text says.
        using Status = SerialOpenResult::Status;
        // A port whose lock file names its holder says which process that is.
        const bool refused = opened.status == Status::PermissionDenied;
        LinkMessage message = refused ? linktexts::portPermissionDenied(device) : usualFailure;
        if (opened.status == Status::Busy && opened.holderPid > 0)
            message = linktexts::portHeldBy(device, opened.holderPid);
        if (opened.status == Status::NotFound || opened.status == Status::Failed) {
            message.detail.english = opened.detail;
            if (opened.systemError != 0)
                message.detail.chinese =
                    device + ": " + linktexts::systemReason(opened.systemError, Language::Chinese);
        }
        TransferResult result = fail(message);
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
