#include "TrafficLog.h"

#include "model/HexText.h"

namespace program::cli {

TrafficLog::TrafficLog(SerialLink& inner, std::FILE* out)
    : m_inner(inner), m_out(out), m_start(std::chrono::steady_clock::now()) {}

void TrafficLog::line(const char* direction, const std::string& text) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - m_start)
                        .count();
    std::fprintf(m_out, "%8lld.%03lld %s %s\n", static_cast<long long>(ms / 1000),
                 static_cast<long long>(ms % 1000), direction, text.c_str());
    std::fflush(m_out);
}

void TrafficLog::bytesLine(const char* direction, std::span<const std::uint8_t> bytes,
                           const std::string& note) {
    std::string text = hexText(bytes);
    if (!note.empty())
        text += (text.empty() ? "" : "  ") + note;
    line(direction, text);
}

SerialOpenResult TrafficLog::open(const std::string& device) {
    auto result = m_inner.open(device);
    line("--", "open " + device + (result.ok() ? "" : " failed: " + result.detail));
    return result;
}

void TrafficLog::close() {
    if (m_inner.isOpen())
        line("--", "close");
    m_inner.close();
}

void TrafficLog::setQueueSizes(std::size_t input, std::size_t output) {
    m_inner.setQueueSizes(input, output);
}

void TrafficLog::setLineSettings(const LineSettings& settings) {
    m_inner.setLineSettings(settings);
}

void TrafficLog::setTimeouts(const SerialTimeouts& timeouts) {
    m_inner.setTimeouts(timeouts);
}

void TrafficLog::purge() {
    line("--", "purge");
    m_inner.purge();
}

void TrafficLog::clear() {
    m_inner.clear();
}

SerialReadResult TrafficLog::read(std::size_t count) {
    auto result = m_inner.read(count);
    std::string note;
    if (result.error)
        note = "(read error)";
    else if (result.bytes.size() < count) {
        // Appended piece by piece: g++ 12 at -O2 misreads `"(" + string` as an overlapping copy.
        note = "(";
        note += std::to_string(result.bytes.size());
        note += " of ";
        note += std::to_string(count);
        note += " bytes, time-out)";
    }
    bytesLine("<", result.bytes, note);
    return result;
}

bool TrafficLog::write(std::span<const std::uint8_t> bytes) {
    bool ok = m_inner.write(bytes);
    bytesLine(">", bytes, ok ? "" : "(write failed)");
    return ok;
}

} // namespace program::cli
