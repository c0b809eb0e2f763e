#pragma once

#include "link/SerialLink.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace program::cli {

// Wraps a serial link and writes every byte each way to a text file, one line per
// read or write: milliseconds since the start, direction and the bytes in hex.
// Meant for diagnosing a real programming cable.
class TrafficLog : public SerialLink {
public:
    TrafficLog(SerialLink& inner, std::FILE* out);

    SerialOpenResult open(const std::string& device) override;
    bool isOpen() const override { return m_inner.isOpen(); }
    void close() override;
    void setQueueSizes(std::size_t input, std::size_t output) override;
    void setLineSettings(const LineSettings& settings) override;
    void setTimeouts(const SerialTimeouts& timeouts) override;
    void purge() override;
    void clear() override;
    SerialReadResult read(std::size_t count) override;
    bool write(std::span<const std::uint8_t> bytes) override;

private:
    void line(const char* direction, const std::string& text);
    void bytesLine(const char* direction, std::span<const std::uint8_t> bytes,
                   const std::string& note = {});

    SerialLink& m_inner;
    std::FILE* m_out;
    std::chrono::steady_clock::time_point m_start;
};

} // namespace program::cli
