#pragma once

#include "link/SerialLink.h"

namespace program {

// A serial device driven through termios and poll(): raw 8N1 without flow
// control, opened exclusively, with the byte-gap and total time-outs the radio
// protocol relies on. The descriptor stays non-blocking; every wait is a poll()
// bounded by the time-outs.
class PosixSerialLink final : public SerialLink {
public:
    PosixSerialLink() = default;
    ~PosixSerialLink() override;
    PosixSerialLink(const PosixSerialLink&) = delete;
    PosixSerialLink& operator=(const PosixSerialLink&) = delete;

    // Fails as Busy when another program (or another link in this one) holds the
    // device, whatever path names it; as PermissionDenied with the fix in `detail`.
    SerialOpenResult open(const std::string& device) override;
    bool isOpen() const override { return m_fd >= 0; }
    void close() override;

    // Linux tty buffers have a size fixed by the kernel, larger than the radio
    // link ever asks for; there is nothing to set.
    void setQueueSizes(std::size_t, std::size_t) override {}
    void setLineSettings(const LineSettings& settings) override;
    void setTimeouts(const SerialTimeouts& timeouts) override { m_timeouts = timeouts; }

    void purge() override;
    void clear() override;

    SerialReadResult read(std::size_t count) override;
    bool write(std::span<const std::uint8_t> bytes) override;

private:
    int m_fd = -1;
    SerialTimeouts m_timeouts;
};

} // namespace program
