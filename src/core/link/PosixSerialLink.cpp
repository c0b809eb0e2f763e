#include "link/PosixSerialLink.h"

#include "io/FileDescriptor.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace program {

namespace {

using Clock = std::chrono::steady_clock;

std::string systemReason(int error) {
    return std::strerror(error);
}

SerialOpenResult failure(SerialOpenResult::Status status, std::string detail, int error = 0) {
    SerialOpenResult result;
    result.status = status;
    result.detail = std::move(detail);
    result.systemError = error;
    return result;
}

// A port another program holds; its process id when a lock file names it.
SerialOpenResult heldByAnother(const std::string& device, pid_t holder = 0, int error = 0) {
    std::string detail = device + ": in use by another program";
    if (holder > 0)
        detail += " (process " + std::to_string(holder) + ")";
    SerialOpenResult held = failure(SerialOpenResult::Status::Busy, std::move(detail), error);
    held.holderPid = static_cast<int>(holder);
    return held;
}

SerialOpenResult openFailure(int error, const std::string& device) {
    using Status = SerialOpenResult::Status;
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return failure(Status::NotFound, device + ": " + systemReason(error), error);
    case EACCES:
    case EPERM:
        return failure(Status::PermissionDenied,
                       device + ": " + systemReason(error) +
                           ". Serial ports belong to the group 'dialout': run "
                           "\"sudo usermod -aG dialout $USER\", then log out and in again.",
                       error);
    case EBUSY:
        return heldByAnother(device, 0, error);
    default:
        return failure(Status::Failed, device + ": " + systemReason(error), error);
    }
}

// The process id a lock file names ("      1234\n"; blanks around it are allowed),
// or 0 when it names none.
pid_t lockHolder(const std::filesystem::path& file) {
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid())
        return 0;
    char text[32];
    const ssize_t got = ::read(fd.get(), text, sizeof text);
    if (got <= 0)
        return 0;
    const char* first = text;
    const char* end = text + got;
    while (first < end && std::isspace(static_cast<unsigned char>(*first)))
        ++first;
    int pid = 0;
    const auto [rest, error] = std::from_chars(first, end, pid);
    if (error != std::errc{} || pid <= 0)
        return 0;
    for (const char* p = rest; p < end; ++p) {
        if (!std::isspace(static_cast<unsigned char>(*p)))
            return 0;
    }
    return pid;
}

bool processRuns(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

struct LockFile {
    enum class Outcome { Taken, Held, Unavailable };
    Outcome outcome = Outcome::Unavailable;
    std::filesystem::path file; // when taken
    pid_t holder = 0;           // when held
};

// The lock file of `device` in `folder`, named after the device file itself so that
// every name of it shares one lock.
std::filesystem::path lockFileFor(const std::filesystem::path& folder, const std::string& device) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::canonical(device, error);
    if (error)
        resolved = device;
    const std::string name = resolved.filename().string();
    return name.empty() ? std::filesystem::path() : folder / ("LCK.." + name);
}

// Takes the lock file for us, unless a running process holds it. One whose process
// is gone (or that names none) is stale and is replaced. A folder we cannot write to
// leaves the port without a lock file rather than refusing it.
LockFile takeLockFile(const std::filesystem::path& file) {
    using Outcome = LockFile::Outcome;
    if (file.empty())
        return {};
    for (int attempt = 0; attempt < 2; ++attempt) {
        FileDescriptor fd(
            ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
        if (fd.valid()) {
            char text[16];
            const int length =
                std::snprintf(text, sizeof text, "%10ld\n", static_cast<long>(::getpid()));
            const bool written = ::write(fd.get(), text, static_cast<std::size_t>(length)) ==
                                 static_cast<ssize_t>(length);
            if (fd.close() && written)
                return {Outcome::Taken, file, 0};
            ::unlink(file.c_str());
            return {};
        }
        if (errno != EEXIST)
            return {};
        const pid_t holder = lockHolder(file);
        if (holder > 0 && processRuns(holder))
            return {Outcome::Held, {}, holder};
        if (::unlink(file.c_str()) != 0 && errno != ENOENT)
            return {};
    }
    return {}; // another program keeps replacing it; its own locks still apply
}

speed_t speedFor(int baud) {
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B9600;
    }
}

tcflag_t characterSize(int dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

// Raw bytes both ways, no echo, no special characters, no flow control of any
// kind: the radio's replies hold 0x11 and 0x13 like any other byte.
void applyLineSettings(int fd, const LineSettings& settings) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return;
    ::cfmakeraw(&tio);
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS | CSIZE | PARENB | PARODD | CSTOPB);
    tio.c_cflag |= CLOCAL | CREAD | characterSize(settings.dataBits);
    if (settings.parity != Parity::None)
        tio.c_cflag |= PARENB;
    if (settings.parity == Parity::Odd)
        tio.c_cflag |= PARODD;
    if (settings.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, speedFor(settings.baud));
    ::cfsetospeed(&tio, speedFor(settings.baud));
    ::tcsetattr(fd, TCSANOW, &tio);
}

// Milliseconds until `deadline` for poll(), rounded up so a wait never ends
// before the deadline; -1 (wait for ever) when there is none.
int pollTimeout(std::optional<Clock::time_point> deadline) {
    if (!deadline)
        return -1;
    auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 1'000'000'000));
}

std::optional<Clock::time_point> earlier(std::optional<Clock::time_point> a,
                                         std::optional<Clock::time_point> b) {
    if (!a)
        return b;
    if (!b)
        return a;
    return std::min(*a, *b);
}

std::optional<Clock::time_point> totalDeadline(Clock::time_point start, int multiplier,
                                               int constant, std::size_t count) {
    if (multiplier <= 0 && constant <= 0)
        return std::nullopt;
    auto total = static_cast<long long>(std::max(multiplier, 0)) * static_cast<long long>(count) +
                 std::max(constant, 0);
    return start + std::chrono::milliseconds(total);
}

// Waits for `events` on `fd` until `deadline`; returns the revents, 0 on time-out.
short waitFor(int fd, short events, std::optional<Clock::time_point> deadline) {
    for (;;) {
        pollfd pfd{fd, events, 0};
        int ready = ::poll(&pfd, 1, pollTimeout(deadline));
        if (ready > 0)
            return pfd.revents;
        if (ready == 0) {
            // poll() may wake a little early; only a passed deadline is a time-out.
            if (!deadline || Clock::now() >= *deadline)
                return 0;
            continue;
        }
        if (errno != EINTR)
            return POLLERR;
    }
}

} // namespace

PosixSerialLink::PosixSerialLink(std::filesystem::path lockFolder)
    : m_lockFolder(std::move(lockFolder)) {}

PosixSerialLink::~PosixSerialLink() {
    close();
}

SerialOpenResult PosixSerialLink::open(const std::string& device) {
    using Status = SerialOpenResult::Status;
    close();
    // The lock file comes first, as other programs expect: the device is not even
    // opened while someone else has it.
    const LockFile lock = takeLockFile(lockFileFor(m_lockFolder, device));
    if (lock.outcome == LockFile::Outcome::Held) {
        // Another link of this program is no other program to name.
        return heldByAnother(device, lock.holder == ::getpid() ? 0 : lock.holder);
    }
    m_lockFile = lock.file;
    // Non-blocking so that a modem line without carrier cannot stall the open; every
    // later wait is a poll().
    int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        releaseLockFile();
        return openFailure(error, device);
    }
    if (!::isatty(fd)) {
        ::close(fd);
        releaseLockFile();
        return failure(Status::NotASerialPort, device + ": not a serial port");
    }
    // The lock belongs to the device itself, so a second open through a link or
    // another name is refused too; TIOCEXCL also keeps out programs that do not lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        ::close(fd);
        releaseLockFile();
        if (error == EWOULDBLOCK)
            return heldByAnother(device);
        return failure(Status::Failed, device + ": " + systemReason(error), error);
    }
    ::ioctl(fd, TIOCEXCL);
    m_fd = fd;
    m_staleAtWrite.reset();
    applyLineSettings(m_fd, LineSettings{});
    ::tcflush(m_fd, TCIOFLUSH);
    return {Status::Opened, {}};
}

void PosixSerialLink::close() {
    if (m_fd < 0)
        return;
    // The exclusive flag outlives the descriptor while anything else keeps the
    // terminal open (the far end of a pseudo-terminal does); clear it for the next user.
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
    releaseLockFile();
}

void PosixSerialLink::releaseLockFile() {
    // Only while it still names us: a file someone put in its place is theirs.
    if (!m_lockFile.empty() && lockHolder(m_lockFile) == ::getpid())
        ::unlink(m_lockFile.c_str());
    m_lockFile.clear();
}

void PosixSerialLink::setLineSettings(const LineSettings& settings) {
    if (m_fd >= 0)
        applyLineSettings(m_fd, settings);
}

void PosixSerialLink::purge() {
    m_staleAtWrite.reset();
    if (m_fd >= 0)
        ::tcflush(m_fd, TCIOFLUSH);
}

void PosixSerialLink::clear() {
    if (m_fd < 0)
        return;
    // write() returns as soon as the bytes are queued; throwing the output away here
    // would lose the command the radio is about to answer. Let it leave first.
    ::tcdrain(m_fd);
    const auto stale = std::exchange(m_staleAtWrite, std::nullopt);
    if (stale)
        discardInput(std::min(*stale, pendingInput()));
    else
        ::tcflush(m_fd, TCIFLUSH);
}

std::size_t PosixSerialLink::pendingInput() const {
    int count = 0;
    if (::ioctl(m_fd, FIONREAD, &count) != 0 || count < 0)
        return 0;
    return static_cast<std::size_t>(count);
}

void PosixSerialLink::discardInput(std::size_t count) {
    std::uint8_t buffer[256];
    while (count > 0) {
        const ssize_t got = ::read(m_fd, buffer, std::min(sizeof buffer, count));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return;
        count -= static_cast<std::size_t>(got);
    }
}

SerialReadResult PosixSerialLink::read(std::size_t count) {
    SerialReadResult result;
    m_staleAtWrite.reset(); // the answer to the latest write is being taken
    if (m_fd < 0) {
        result.error = true;
        return result;
    }
    const auto total = totalDeadline(Clock::now(), m_timeouts.readTotalMultiplier,
                                     m_timeouts.readTotalConstant, count);
    std::optional<Clock::time_point> gapDeadline; // starts with the first byte
    result.bytes.reserve(count);
    while (result.bytes.size() < count) {
        short events = waitFor(m_fd, POLLIN, earlier(total, gapDeadline));
        if (events == 0)
            break; // time-out: return what arrived
        if (events & POLLNVAL) {
            result.error = true;
            break;
        }
        std::uint8_t buffer[256];
        std::size_t want = std::min(sizeof buffer, count - result.bytes.size());
        ssize_t got = ::read(m_fd, buffer, want);
        if (got > 0) {
            result.bytes.insert(result.bytes.end(), buffer, buffer + got);
            if (m_timeouts.readInterval > 0)
                gapDeadline = Clock::now() + std::chrono::milliseconds(m_timeouts.readInterval);
            continue;
        }
        bool nothingYet = got < 0 && (errno == EAGAIN || errno == EINTR);
        if (nothingYet && !(events & (POLLERR | POLLHUP)))
            continue;
        // End of file or an I/O error: the device went away (cable pulled, far end
        // of a pseudo-terminal closed).
        result.error = true;
        break;
    }
    return result;
}

bool PosixSerialLink::write(std::span<const std::uint8_t> bytes) {
    if (m_fd < 0)
        return false;
    m_staleAtWrite = pendingInput();
    const auto deadline = totalDeadline(Clock::now(), m_timeouts.writeTotalMultiplier,
                                        m_timeouts.writeTotalConstant, bytes.size());
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t done = ::write(m_fd, bytes.data() + sent, bytes.size() - sent);
        if (done > 0) {
            sent += static_cast<std::size_t>(done);
            continue;
        }
        if (done < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        short events = waitFor(m_fd, POLLOUT, deadline);
        if (events == 0 || (events & (POLLERR | POLLHUP | POLLNVAL)))
            return false;
    }
    return true;
}

} // namespace program
