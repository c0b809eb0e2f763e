// radio-sim's protocol engine against any byte stream the program (or a broken
// program) might send, with any combination of faults.

#include "RadioEngine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace program;
using namespace program::sim;

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_at >= m_size; }
    std::uint8_t next() { return m_at < m_size ? m_data[m_at++] : 0; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

RadioFaults faultsFrom(Input& in) {
    const std::uint8_t flags = in.next();
    RadioFaults faults;
    faults.silent = flags & 0x01;
    faults.junkBeforeWake = flags & 0x02;
    faults.badIdentity = flags & 0x04;
    faults.shortIdentity = flags & 0x08;
    faults.badConfirm = flags & 0x10;
    faults.shortReadEveryBlock = flags & 0x20;
    faults.padAfterReply = flags & 0x40;
    faults.answerEveryNthWake = in.next() % 4 + 1;
    if (std::uint8_t k = in.next(); k & 0x80)
        faults.noAckBlock = k & 0x7F;
    if (std::uint8_t k = in.next(); k & 0x80)
        faults.shortReadBlock = k & 0x7F;
    if (std::uint8_t k = in.next(); k & 0x80)
        faults.hangAfter = k & 0x7F;
    if (std::uint8_t k = in.next(); k & 0x80)
        faults.corruptWriteAt = std::size_t(k & 0x0F) << 8 | in.next();
    return faults;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const RadioFaults faults = faultsFrom(in);
    RadioIdentity identity{};
    for (auto& b : identity)
        b = in.next();
    // Built once: the same for every input.
    static const CodeplugImage fresh = factoryFreshMemory();
    RadioEngine radio(fresh, identity, faults);

    // Whole protocol steps make deep states reachable; raw bytes cover the rest.
    const std::vector<std::uint8_t> wake{0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
    std::vector<std::uint8_t> answer;
    while (!in.empty()) {
        std::vector<std::uint8_t> sent;
        switch (in.next() % 8) {
        case 0:
            sent = wake;
            break;
        case 1:
            sent = {0x4D, 0x02};
            break;
        case 2:
            sent = {0x06};
            break;
        case 3:
            sent = {0x52, in.next(), in.next(), in.next()};
            break;
        case 4: {
            sent = {0x57, in.next(), in.next(), static_cast<std::uint8_t>(in.next() % 12)};
            for (int i = 0; i < sent[3]; ++i)
                sent.push_back(in.next());
            break;
        }
        case 5:
            radio.portClosed();
            break;
        default:
            sent = {in.next()};
            break;
        }
        for (std::uint8_t b : sent) {
            answer.clear();
            radio.receive(b, answer);
            // One byte never draws more than a full read reply and its stray byte.
            if (answer.size() > 4 + 255 + 1)
                std::abort();
        }
    }
    return 0;
}
