#pragma once

#include "link/ServiceExchange.h"

namespace program {

// The patient profile (Software Info): up to 15 wake attempts and then a
// Retry/Cancel prompt; the radio's identity is not examined.
class PromptingExchange : public ServiceExchange {
public:
    PromptingExchange(SerialLink& link, TransferHost& host) : ServiceExchange(link, host) {}

protected:
    SerialTimeouts timeouts() const override;
    LinkMessage portFailureMessage() const override;
    LinkMessage failureMessage() const override;
    std::optional<TransferResult> handshake(WireSession& session) override;
    std::optional<std::vector<std::uint8_t>> receiveBlockData(WireSession& session,
                                                              std::size_t length) override;
    void pauseBeforeWriteData(WireSession& session) override;
};

} // namespace program
