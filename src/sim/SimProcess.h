#pragma once

#include <chrono>
#include <string>
#include <vector>

#include <sys/types.h>

namespace program::sim {

// radio-sim started as a child process, for the link tests and the transfer
// benchmark. The arguments must hold "--link PATH"; construction returns once the
// link is there, so the port can be opened at once.
class SimProcess {
public:
    SimProcess(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& linkPath,
               std::chrono::milliseconds startTimeout = std::chrono::seconds(10));
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Asks the radio to stop (as Ctrl+C does) and waits; returns its exit status.
    int stop();
    // Waits for the radio to end by itself (after --exit-after-session).
    int wait();

private:
    pid_t m_pid = -1;
    int m_status = -1;
};

} // namespace program::sim
