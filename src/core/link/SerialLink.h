#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace program {

// Read and write time-outs in milliseconds, with the meaning the radio protocol
// was designed around: a read ends when more than `readInterval` passes between
// two received bytes, or when `readTotalMultiplier` x bytes asked +
// `readTotalConstant` has passed in all, and then returns the bytes it has. A
// value of 0 switches that limit off.
struct SerialTimeouts {
    int readInterval = 0;
    int readTotalMultiplier = 0;
    int readTotalConstant = 0;
    int writeTotalMultiplier = 0;
    int writeTotalConstant = 0;
};

enum class Parity { None, Odd, Even };

struct LineSettings {
    int baud = 9600;
    int dataBits = 8;
    Parity parity = Parity::None;
    int stopBits = 1;
};

struct SerialOpenResult {
    enum class Status { Opened, NotFound, Busy, PermissionDenied, NotASerialPort, Failed };
    Status status = Status::Failed;
    std::string detail;  // the device and the reason, for messages, the log and program-cli
    int systemError = 0; // the system's error number behind a refusal, when there is one
    int holderPid = 0;   // the process a lock file names as holding a busy port, or 0

    bool ok() const { return status == Status::Opened; }
};

struct SerialReadResult {
    std::vector<std::uint8_t> bytes; // may be shorter than asked after a time-out
    bool error = false;              // the device itself failed (not a time-out)
};

// The serial port as the protocol code sees it. One implementation drives a real
// device with termios; tests script their own.
class SerialLink {
public:
    virtual ~SerialLink() = default;

    // Opens the device exclusively for reading and writing.
    virtual SerialOpenResult open(const std::string& device) = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;

    virtual void setQueueSizes(std::size_t input, std::size_t output) = 0;
    virtual void setLineSettings(const LineSettings& settings) = 0;
    virtual void setTimeouts(const SerialTimeouts& timeouts) = 0;

    // Abandons pending transfers and discards both buffers.
    virtual void purge() = 0;
    // "Clear the port": bytes already written still go out (the output drains
    // first); only unread input is thrown away.
    virtual void clear() = 0;

    virtual SerialReadResult read(std::size_t count) = 0;
    // Returns false when the bytes could not be written within the write time-out.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
};

// Makes the serial link of one transfer: a termios device in the program, a
// simulated radio in tests.
using LinkFactory = std::function<std::unique_ptr<SerialLink>()>;

} // namespace program
