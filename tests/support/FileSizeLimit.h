#pragma once

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

// While it lives, no file of this process may grow past `bytes`: a write beyond that
// fails part way, as on a full disk (and does so for root too, unlike a read-only
// folder). The limit and the signal it raises are restored afterwards.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        struct rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    struct rlimit m_old {};
    void (*m_oldHandler)(int);
};

} // namespace testsupport
