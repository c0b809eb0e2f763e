#include "SimOptions.h"

#include <cctype>
#include <charconv>

namespace program::sim {

namespace {

std::optional<int> parseBaud(const std::string& text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

// Applies an option that takes a value; returns an error text or nothing.
std::optional<std::string> applyValue(SimOptions& options, const std::string& name,
                                      const std::string& value) {
    if (name == "--link")
        options.linkPath = value;
    else if (name == "--image")
        options.imagePath = value;
    else if (name == "--dump")
        options.dumpPath = value;
    else if (name == "--log")
        options.logPath = value;
    else if (name == "--identity") {
        auto identity = parseIdentity(value);
        if (!identity)
            return "--identity needs 8 bytes in hexadecimal, not '" + value + "'";
        options.identity = *identity;
    } else if (name == "--baud") {
        auto baud = parseBaud(value);
        if (!baud)
            return "--baud needs a positive number, not '" + value + "'";
        options.baud = *baud;
    } else if (name == "--fault")
        return addFault(options.faults, value);
    else
        return "unknown option '" + name + "'";
    return std::nullopt;
}

} // namespace

std::optional<RadioIdentity> parseIdentity(const std::string& text) {
    RadioIdentity identity{};
    std::size_t digits = 0;
    for (char c : text) {
        if (c == ' ' || c == ':')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)) || digits == 2 * identity.size())
            return std::nullopt;
        int nibble = std::isdigit(static_cast<unsigned char>(c))
                         ? c - '0'
                         : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        identity[digits / 2] = static_cast<std::uint8_t>(identity[digits / 2] << 4 | nibble);
        ++digits;
    }
    if (digits != 2 * identity.size())
        return std::nullopt;
    return identity;
}

SimOptionsResult parseSimOptions(const std::vector<std::string>& arguments) {
    SimOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument == "--exit-after-session") {
            options.exitAfterSession = true;
            continue;
        }
        std::string name = argument;
        std::string value;
        if (auto equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        } else if (argument.rfind("--", 0) == 0 && i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return {std::nullopt, argument.rfind("--", 0) == 0
                                      ? "option '" + argument + "' needs a value"
                                      : "unexpected argument '" + argument + "'"};
        }
        if (auto error = applyValue(options, name, value))
            return {std::nullopt, *error};
    }
    return {options, {}};
}

std::string simUsage() {
    return "Usage: radio-sim [options]\n"
           "A radio on a pseudo-terminal: point the program's port at the link and read\n"
           "or write as with a real radio.\n\n"
           "  --link PATH          make PATH a symbolic link to the radio's port\n"
           "  --image FILE.dat     start with this memory (default: a factory-fresh radio)\n"
           "  --identity HEX       the 8 identity bytes (default 55 38 38 38 00 13 17 64)\n"
           "  --baud 9600          take as long as a real line: 10 bits a byte each way\n"
           "  --fault NAME[=N]     misbehave (may be given more than once):\n" +
           faultHelp() +
           "  --log FILE           log every exchange to FILE instead of stderr\n"
           "  --dump FILE.dat      write the memory to FILE on exit\n"
           "  --exit-after-session exit when the program closes the port after using it\n"
           "Stop it with Ctrl+C.\n";
}

} // namespace program::sim
