#pragma once

#include <map>
#include <optional>
#include <string>

namespace program {

class IniFile;

// The program keeps the serial port as a number 1..16, shows it as "COMn" and
// stores that number per user. On Linux each number stands for a device file.
constexpr int FirstPortNumber = 1;
constexpr int LastPortNumber = 16;

// The port's display name: "COM9" for 1..9, "\\.\COM10" for 10 and above.
std::string PortName(int portNumber);

// The number that follows the letter 'M' in a port name ("COM12" and "\\.\COM12"
// both give 12); 0 when the name holds no such number.
int portNumberFromName(const std::string& name);

// Devices chosen in the settings file instead of the built-in table, by port number.
using PortOverrides = std::map<int, std::string>;

// The overrides "COM1=<path>".."COM16=<path>" of the "Ports" section of the settings
// file. Section and key names are matched ignoring letter case, as the desktop
// program reads its settings, whatever case the file was loaded with; an empty
// value names no device.
PortOverrides portOverridesFrom(const IniFile& settings);

// The device file for a port number: COM1-COM4 are /dev/ttyUSB0-3 (USB cables),
// COM5-COM8 /dev/ttyACM0-3, COM9-COM16 /dev/ttyS0-7, unless an override names
// another path. Empty for a number outside 1..16 without an override.
std::string devicePathForPort(int portNumber, const PortOverrides& overrides = {});

// Where the chosen port number lives between runs: the desktop program keeps it
// in the user's settings, program-cli in a file or nowhere.
class PortNumberStore {
public:
    virtual ~PortNumberStore() = default;

    // The stored number; 1 when nothing usable is stored. Only the low byte of the
    // stored value counts, as it always has for this program's settings.
    int load() const;
    virtual void save(int portNumber) = 0;

protected:
    // The raw stored value, or nothing when it is missing or unreadable.
    virtual std::optional<long long> loadStored() const = 0;
};

} // namespace program
