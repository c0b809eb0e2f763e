#pragma once

#include "link/SerialLink.h"

#include <filesystem>
#include <optional>

namespace program {

// A serial device driven through termios and poll(): raw 8N1 without flow
// control, opened exclusively, with the byte-gap and total time-outs the radio
// protocol relies on. The descriptor stays non-blocking; every wait is a poll()
// bounded by the time-outs.
//
// Besides its own locks it honours and takes the lock file other terminal and modem
// programs use ("LCK..ttyUSB0" in `lockFolder`, holding the holder's process id),
// which also keeps out programs that do not lock the device, even when run as root.
class PosixSerialLink final : public SerialLink {
public:
    explicit PosixSerialLink(std::filesystem::path lockFolder = "/var/lock");
    ~PosixSerialLink() override;
    PosixSerialLink(const PosixSerialLink&) = delete;
    PosixSerialLink& operator=(const PosixSerialLink&) = delete;

    // Fails as Busy when another program (or another link in this one) holds the
    // device, whatever path names it, with the holder's process id when its lock file
    // gives one; as PermissionDenied with the fix in `detail`. A lock file whose process
    // no longer runs is taken over; without a writable lock folder the port is opened
    // without a lock file.
    SerialOpenResult open(const std::string& device) override;
    bool isOpen() const override { return m_fd >= 0; }
    void close() override;

    // Linux tty buffers have a size fixed by the kernel, larger than the radio
    // link ever asks for; there is nothing to set.
    void setQueueSizes(std::size_t, std::size_t) override {}
    void setLineSettings(const LineSettings& settings) override;
    void setTimeouts(const SerialTimeouts& timeouts) override { m_timeouts = timeouts; }

    void purge() override;
    // Lets the output drain, then throws away unread input. A clear straight after a
    // write (nothing read since) keeps what arrived after that write: on a real line
    // the radio cannot have answered a byte that is still leaving, so such a clear
    // never loses the answer to it, and a pseudo-terminal, which answers at once, is
    // kept alike. Once anything was read since the latest write, the answer is being
    // taken and the clear comes before a new command: everything waiting goes, so a
    // stray byte after a reply is never taken for the next acknowledgement.
    void clear() override;

    SerialReadResult read(std::size_t count) override;
    bool write(std::span<const std::uint8_t> bytes) override;

private:
    std::size_t pendingInput() const;
    void discardInput(std::size_t count);

    void releaseLockFile();

    std::filesystem::path m_lockFolder;
    std::filesystem::path m_lockFile; // ours, while the port is open with one
    int m_fd = -1;
    SerialTimeouts m_timeouts;
    // Unread input bytes at the moment of the latest write, while nothing was read or
    // cleared since.
    std::optional<std::size_t> m_staleAtWrite;
};

} // namespace program
