#pragma once

#include "app/BilingualText.h"
#include "link/PortNames.h"
#include "link/SerialLink.h"
#include "link/TransferHost.h"
#include "link/WireVocabulary.h"
#include "link/diagnosis/SystemView.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace program::diagnosis {

enum class Verdict { Passed, Problem, NotApplicable };

// What one check looked at, in the order a port's checks run.
enum class CheckKind {
    Device,       // the device file exists
    Identity,     // what it is: by-id name, USB ids and names, kernel driver
    PortNumber,   // which of COM1-COM16 opens it
    Permission,   // whether this user may open it
    LockFile,     // a live UUCP lock file
    OpenBy,       // another process that has it open
    ModemManager, // ModemManager running and not told to leave it alone
    Brltty,       // brltty's udev rule claiming the cable's chip
    Radio,        // the wake and the identification
    Again,        // a second identification a moment later
};

struct Check {
    CheckKind kind;
    Verdict verdict = Verdict::NotApplicable;
    BilingualText finding; // one sentence
    BilingualText fix;     // for a problem: what to do, with the exact command where there is one
};

// What the system says about a device.
struct DeviceFacts {
    std::string device;     // as given
    std::string systemPath; // with links followed: "/dev/ttyUSB0"
    std::string kernelName; // "ttyUSB0"
    bool exists = false;
    bool sysfs = false; // the system has /sys/class/tty at all
    std::string byId;   // its name in /dev/serial/by-id, if any
    std::string vendorId, productId, manufacturer, product;
    std::string driver;     // the kernel driver of the port: "ch341-uart", "cdc_acm"...
    std::string majorMinor; // "188:0"
    int portNumber = 0;     // the first of COM1-COM16 that opens it, or 0

    bool usb() const { return !vendorId.empty(); }
    // "FT232R USB UART": the product's name, else the maker's; empty when not USB.
    std::string usbName() const;
};

DeviceFacts deviceFacts(const SystemView& system, const std::string& device,
                        const PortOverrides& overrides);

// The USB serial ports there are now: /dev/ttyUSB* and /dev/ttyACM*, in name order.
std::vector<std::string> usbSerialPorts(const SystemView& system);

// The front end of a probe: quiet (its questions are answered Cancel and kept), with
// real pauses, and a stop that another thread may ask for at any time.
class ProbeHost final : public TransferHost {
public:
    bool pumpEvent() override { return stopRequested(); }
    void showStatus(const BilingualText&) override {}
    void setProgressRange(int) override {}
    void setProgress(int) override {}
    Answer ask(const LinkMessage& message, Buttons) override;
    void sleepMs(int milliseconds) override;

    void requestStop() { m_stop = true; }
    bool stopRequested() const { return m_stop; }

private:
    std::atomic<bool> m_stop{false};
};

// How a radio answered the wake and the identification.
struct RadioAnswer {
    enum class Outcome { Answered, NoAnswer, Garbled, NotOpened, Stopped };
    Outcome outcome = Outcome::NoAnswer;
    wire::IdentityRecord identity;      // Answered
    std::vector<std::uint8_t> received; // Garbled: what came back instead
    int wakeAttempts = 0;               // the wake sequences it took
    SerialOpenResult opened;            // NotOpened: why
};

// Opens the port with the program's line settings and time-outs, wakes and identifies
// the radio as a read does and, once it answered, once more `againAfterMs` later. It
// never confirms, so the radio never leaves its idle state and no block is read or
// written. The port is closed again whatever happens.
std::vector<RadioAnswer> identifyRadio(SerialLink& link, ProbeHost& host, const std::string& device,
                                       int againAfterMs = 500);

struct PortDiagnosis {
    DeviceFacts facts;
    std::vector<Check> checks;
    std::optional<wire::IdentityRecord> radio; // when a radio answered
    std::vector<std::string> traffic;          // the probe's bytes each way, one line per step

    bool radioAnswered() const { return radio.has_value(); }
};

// Runs every check on one port. `onCheck` sees each check as it is decided (the desktop
// program shows the rows one by one). The radio is probed only when nothing found
// beforehand rules it out; a port another program holds is not opened.
PortDiagnosis checkPort(const SystemView& system, SerialLink& link, ProbeHost& host,
                        const std::string& device, const PortOverrides& overrides,
                        const std::function<void(const Check&)>& onCheck = {});

// The findings when there is no USB serial port at all, or nothing.
std::optional<Check> noUsbPortCheck(const SystemView& system);

} // namespace program::diagnosis
