#pragma once

#include "RadioEngine.h"
#include "RadioFaults.h"

#include <optional>
#include <string>
#include <vector>

namespace program::sim {

struct SimOptions {
    std::string linkPath;  // symbolic link to the pseudo-terminal, or empty
    std::string imagePath; // memory to start from, or empty for a factory-fresh radio
    std::string dumpPath;  // where the memory goes on exit, or empty
    std::string logPath;   // exchange log, or empty for stderr
    RadioIdentity identity = defaultIdentity();
    int baud = 0; // 0: answer at once; otherwise pace both directions at 10 bits a byte
    RadioFaults faults;
    bool exitAfterSession = false;
    bool help = false;
};

struct SimOptionsResult {
    std::optional<SimOptions> options;
    std::string error;
};

// Reads the command line (without the program name); "--name value" and
// "--name=value" are both accepted.
SimOptionsResult parseSimOptions(const std::vector<std::string>& arguments);

// 16 hexadecimal digits, optionally separated by spaces or colons.
std::optional<RadioIdentity> parseIdentity(const std::string& text);

std::string simUsage();

} // namespace program::sim
