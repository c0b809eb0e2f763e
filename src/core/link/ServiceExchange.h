#pragma once

#include "link/BlockPlan.h"
#include "link/SerialLink.h"
#include "link/TransferHost.h"
#include "link/TransferResult.h"
#include "model/CodeplugImage.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace program {

class WireSession;

enum class ExchangeDirection { Read, Write };

// A short direct exchange of a few blocks with the radio, run by the Read and
// Write buttons of the service dialogs: open the port, wake the radio, move the
// blocks of a plan, close the port and show the outcome. The two profiles,
// PromptingExchange and StrictExchange, differ in time-outs, retries, reply
// checks and messages.
class ServiceExchange {
public:
    virtual ~ServiceExchange() = default;

    // `afterHandshake` runs once, after the radio answered and before the first
    // block. A read fills a scratch copy; `image` changes only when the last
    // block has arrived. A write takes each block's bytes from `image` when that
    // block is sent.
    TransferResult run(ExchangeDirection direction, const std::string& device,
                       const BlockPlan& plan, CodeplugImage& image,
                       const std::function<void()>& afterHandshake = {});

    TransferResult read(const std::string& device, const BlockPlan& plan, CodeplugImage& image,
                        const std::function<void()>& afterHandshake = {}) {
        return run(ExchangeDirection::Read, device, plan, image, afterHandshake);
    }
    TransferResult write(const std::string& device, const BlockPlan& plan, CodeplugImage& image,
                         const std::function<void()>& afterHandshake = {}) {
        return run(ExchangeDirection::Write, device, plan, image, afterHandshake);
    }

protected:
    ServiceExchange(SerialLink& link, TransferHost& host);

    TransferHost& host() { return m_host; }

    virtual SerialTimeouts timeouts() const = 0;
    virtual LinkMessage portFailureMessage() const = 0;
    virtual LinkMessage failureMessage() const = 0;
    // Wakes, identifies and confirms; a result ends the exchange.
    virtual std::optional<TransferResult> handshake(WireSession& session) = 0;
    // The data bytes of a read block's reply, after its command frame went out;
    // nothing when fewer bytes than asked arrived.
    virtual std::optional<std::vector<std::uint8_t>> receiveBlockData(WireSession& session,
                                                                      std::size_t length) = 0;
    // Runs between a write block's command frame and its data.
    virtual void pauseBeforeWriteData(WireSession& session) = 0;

private:
    bool readBlock(WireSession& session, const Block& block, CodeplugImage& scratch);
    bool writeBlock(WireSession& session, const Block& block, const CodeplugImage& image);

    SerialLink& m_link;
    TransferHost& m_host;
};

} // namespace program
