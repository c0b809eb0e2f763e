// Feeds the radio protocols with whatever a radio (or line noise) might send:
// every reply, its length, read errors and the user's answers come from the
// fuzzer's bytes.
#include "link/ImageTransfer.h"
#include "link/PromptingExchange.h"
#include "link/StrictExchange.h"
#include "link/WireVocabulary.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

using namespace program;

class FuzzBytes {
public:
    explicit FuzzBytes(std::span<const std::uint8_t> data) : m_data(data) {}

    bool empty() const { return m_position >= m_data.size(); }
    std::uint8_t next() { return empty() ? 0 : m_data[m_position++]; }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_position = 0;
};

class FuzzLink : public SerialLink {
public:
    explicit FuzzLink(FuzzBytes& bytes) : m_bytes(bytes) {}

    SerialOpenResult open(const std::string&) override {
        m_open = true;
        return {SerialOpenResult::Status::Opened, {}};
    }
    bool isOpen() const override { return m_open; }
    void close() override { m_open = false; }
    void setQueueSizes(std::size_t, std::size_t) override {}
    void setLineSettings(const LineSettings&) override {}
    void setTimeouts(const SerialTimeouts&) override {}
    void purge() override {}
    void clear() override {}

    // One control byte per read: 0xFF is a device error, anything else says how
    // many of the asked bytes arrive.
    SerialReadResult read(std::size_t count) override {
        if (m_bytes.empty())
            return {};
        const std::uint8_t control = m_bytes.next();
        if (control == 0xFF)
            return {{}, true};
        SerialReadResult result;
        const std::size_t arriving = control % (count + 1);
        for (std::size_t i = 0; i < arriving && !m_bytes.empty(); ++i)
            result.bytes.push_back(m_bytes.next());
        return result;
    }
    bool write(std::span<const std::uint8_t>) override { return true; }

private:
    FuzzBytes& m_bytes;
    bool m_open = false;
};

class FuzzHost : public TransferHost {
public:
    explicit FuzzHost(FuzzBytes& bytes) : m_bytes(bytes) {}

    bool pumpEvent() override { return false; }
    void showStatus(const program::BilingualText&) override {}
    void setProgressRange(int) override {}
    void setProgress(int) override {}
    // A few Retry and OK answers, then Cancel, so that every run ends.
    Answer ask(const LinkMessage&, Buttons buttons) override {
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        if (m_retries++ < 3 && !m_bytes.empty() && (m_bytes.next() & 1))
            return buttons == Buttons::RetryCancel ? Answer::Retry : Answer::Ok;
        return Answer::Cancel;
    }
    void sleepMs(int) override {}

private:
    FuzzBytes& m_bytes;
    int m_retries = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    (void)wire::IdentityRecord::parse(input.first(std::min<std::size_t>(size, 8)));

    FuzzBytes bytes(input);
    const std::uint8_t choice = bytes.next();
    FuzzLink link(bytes);
    FuzzHost host(bytes);
    CodeplugImage image;
    switch (choice % 5) {
    case 0:
        ImageTransfer(link, host).read("fuzz", image);
        break;
    case 1:
        ImageTransfer(link, host).write("fuzz", image, BandLimits{}, (choice & 0x80) != 0);
        break;
    case 2:
        PromptingExchange(link, host).read("fuzz", BlockPlan::softwareInfo(), image);
        break;
    case 3:
        StrictExchange(link, host).read("fuzz", BlockPlan::parameterAdjust(), image);
        break;
    default:
        StrictExchange(link, host).write("fuzz", BlockPlan::squelchTuning(), image);
        break;
    }
    return 0;
}
