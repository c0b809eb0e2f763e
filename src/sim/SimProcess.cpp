#include "SimProcess.h"

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace program::sim {

SimProcess::SimProcess(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& linkPath, std::chrono::milliseconds startTimeout) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // Its greeting on standard output is for people; the exchange log stays visible.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    // A stop signal the caller blocks must still reach the radio.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    const int failed =
        posix_spawn(&m_pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        m_pid = -1;
        throw std::runtime_error("cannot start " + program);
    }

    const auto giveUp = std::chrono::steady_clock::now() + startTimeout;
    std::error_code ec;
    while (!std::filesystem::is_symlink(linkPath, ec)) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) > 0)
            m_pid = -1; // it ended (bad arguments, say) and is reaped already
        if (m_pid < 0 || std::chrono::steady_clock::now() > giveUp) {
            stop();
            throw std::runtime_error(program + " did not create " + linkPath);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

SimProcess::~SimProcess() {
    stop();
}

int SimProcess::stop() {
    if (m_pid > 0)
        ::kill(m_pid, SIGTERM);
    return wait();
}

int SimProcess::wait() {
    if (m_pid > 0) {
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        m_pid = -1;
    }
    return m_status;
}

} // namespace program::sim
