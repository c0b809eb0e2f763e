#pragma once

#include "link/SerialLink.h"

#include <cstddef>

// Passes everything to the real link and counts the bytes that crossed the line,
// both ways, so the benchmark knows how long they needed at the line's speed.
class CountingLink : public program::SerialLink {
public:
    explicit CountingLink(program::SerialLink& inner) : m_inner(inner) {}

    std::size_t bytesMoved() const { return m_bytes; }
    void resetCount() { m_bytes = 0; }

    program::SerialOpenResult open(const std::string& device) override {
        return m_inner.open(device);
    }
    bool isOpen() const override { return m_inner.isOpen(); }
    void close() override { m_inner.close(); }
    void setQueueSizes(std::size_t input, std::size_t output) override {
        m_inner.setQueueSizes(input, output);
    }
    void setLineSettings(const program::LineSettings& settings) override {
        m_inner.setLineSettings(settings);
    }
    void setTimeouts(const program::SerialTimeouts& timeouts) override {
        m_inner.setTimeouts(timeouts);
    }
    void purge() override { m_inner.purge(); }
    void clear() override { m_inner.clear(); }
    program::SerialReadResult read(std::size_t count) override {
        program::SerialReadResult result = m_inner.read(count);
        m_bytes += result.bytes.size();
        return result;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        const bool written = m_inner.write(bytes);
        if (written)
            m_bytes += bytes.size();
        return written;
    }

private:
    program::SerialLink& m_inner;
    std::size_t m_bytes = 0;
};
