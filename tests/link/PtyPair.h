#pragma once

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace testsupport {

// A pseudo-terminal whose device end is free for the link under test; the test
// plays the far end through the master.
class PtyPair {
public:
    PtyPair() {
        int slave = -1;
        if (::openpty(&m_master, &slave, nullptr, nullptr, nullptr) != 0)
            throw std::runtime_error("openpty failed");
        m_device = ::ttyname(slave);
        ::close(slave);
    }
    ~PtyPair() { closeMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& device() const { return m_device; }

    void send(const std::vector<std::uint8_t>& bytes) {
        if (::write(m_master, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            throw std::runtime_error("write to the pseudo-terminal failed");
    }

    // What the link sent, up to `count` bytes, waiting at most `patience`.
    std::vector<std::uint8_t>
    receive(std::size_t count,
            std::chrono::milliseconds patience = std::chrono::milliseconds(500)) {
        std::vector<std::uint8_t> bytes;
        const auto giveUp = std::chrono::steady_clock::now() + patience;
        while (bytes.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                giveUp - std::chrono::steady_clock::now());
            pollfd pfd{m_master, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&pfd, 1, static_cast<int>(left.count())) <= 0)
                break;
            std::uint8_t buffer[256];
            ssize_t got = ::read(m_master, buffer, std::min(sizeof buffer, count - bytes.size()));
            if (got <= 0)
                break;
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
        return bytes;
    }

    // The far end goes away, as a radio-sim that was stopped does.
    void closeMaster() {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    std::string m_device;
};

} // namespace testsupport
