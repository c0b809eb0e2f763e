#pragma once

#include "link/SerialLink.h"
#include "link/TransferHost.h"
#include "link/TransferResult.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace program {

// One connection to the radio for the length of a transfer or an exchange: opens
// the port with the line settings the radio expects, offers the small steps the
// protocols are made of, and closes the port when it ends, whatever path the
// caller leaves by.
class WireSession {
public:
    static constexpr std::size_t InputQueueSize = 1024;
    static constexpr std::size_t OutputQueueSize = 512;

    WireSession(SerialLink& link, TransferHost& host) : m_link(link), m_host(host) {}
    ~WireSession() { close(); }
    WireSession(const WireSession&) = delete;
    WireSession& operator=(const WireSession&) = delete;

    // Opens the device and sets queue sizes, 9600 8N1 and `timeouts`. On failure
    // shows `usualFailure` (or the permission hint when the system refused the
    // device) and returns the failed result.
    std::optional<TransferResult> open(const std::string& device, const SerialTimeouts& timeouts,
                                       const LinkMessage& usualFailure);
    void close();

    // Shows `message` with an OK button and returns a failed result carrying it.
    TransferResult fail(const LinkMessage& message);

    void pause(int milliseconds) { m_host.sleepMs(milliseconds); }
    void purge() { m_link.purge(); }
    void clear() { m_link.clear(); }
    bool send(std::span<const std::uint8_t> bytes) { return m_link.write(bytes); }
    bool send(std::uint8_t byte) { return send(std::span<const std::uint8_t>(&byte, 1)); }
    SerialReadResult receive(std::size_t count) { return m_link.read(count); }
    // Reads one byte: true only when an acknowledge actually arrived.
    bool receiveAck();

    // The seven wake bytes, one per write, each after a 2 ms pause (and a clear
    // when asked).
    void sendWake(bool clearBeforeEachByte);
    // Reads the radio's answer to the wake: a first byte that is not an
    // acknowledge (or none) gets one more chance; a read error ends it at once.
    bool wakeAnswered();

private:
    SerialLink& m_link;
    TransferHost& m_host;
};

} // namespace program
