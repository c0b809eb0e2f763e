#pragma once

#include "link/ServiceExchange.h"

namespace program {

// The quick profile (Parameter Adjust, SQL Tuning): four wake attempts, every
// reply checked, no prompt.
class StrictExchange : public ServiceExchange {
public:
    StrictExchange(SerialLink& link, TransferHost& host) : ServiceExchange(link, host) {}

    static constexpr int WakeAttempts = 4;

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
