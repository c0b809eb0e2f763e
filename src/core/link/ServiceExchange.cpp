#include "link/ServiceExchange.h"

#include "link/LinkTexts.h"
#include "link/WireSession.h"
#include "link/WireVocabulary.h"

namespace program {

ServiceExchange::ServiceExchange(SerialLink& link, TransferHost& host)
    : m_link(link), m_host(host) {}

TransferResult ServiceExchange::run(ExchangeDirection direction, const std::string& device,
                                    const BlockPlan& plan, CodeplugImage& image,
                                    const std::function<void()>& afterHandshake) {
    WireSession session(m_link, m_host);
    if (auto end = session.open(device, timeouts(), portFailureMessage()))
        return *end;
    if (auto end = handshake(session))
        return *end;
    if (afterHandshake)
        afterHandshake();

    const bool reading = direction == ExchangeDirection::Read;
    CodeplugImage scratch = image; // a read lands here until its last block has arrived
    for (const Block& block : plan) {
        const bool moved =
            reading ? readBlock(session, block, scratch) : writeBlock(session, block, image);
        if (!moved) {
            TransferResult failed = session.fail(failureMessage());
            failed.radioPartlyWritten = !reading;
            return failed;
        }
    }
    session.close();
    if (reading)
        image = scratch;

    const LinkMessage done =
        reading ? linktexts::readSuccessfully() : linktexts::writeSuccessfully();
    m_host.ask(done, TransferHost::Buttons::Ok);
    return TransferResult{TransferResult::Outcome::Completed, done, {}};
}

bool ServiceExchange::readBlock(WireSession& session, const Block& block, CodeplugImage& scratch) {
    session.clear();
    if (!session.send(wire::readBlockFrame(block.address, block.length)))
        return false;
    const auto data = receiveBlockData(session, block.length);
    if (!data)
        return false;
    scratch.write(block.address, *data);
    session.clear();
    session.send(wire::Ack);
    return session.receiveAck();
}

bool ServiceExchange::writeBlock(WireSession& session, const Block& block,
                                 const CodeplugImage& image) {
    session.clear();
    if (!session.send(wire::writeBlockFrame(block.address, block.length)))
        return false;
    pauseBeforeWriteData(session);
    if (!session.send(image.range(block.address, block.length)))
        return false;
    return session.receiveAck();
}

} // namespace program
