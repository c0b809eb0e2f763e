#pragma once

#include "app/ProgramState.h"
#include "link/SerialLink.h"
#include "link/TransferHost.h"
#include "link/TransferResult.h"
#include "model/CodeplugImage.h"

#include <string>

namespace program {

class WireSession;

// The whole-image Read and Write: wakes and identifies the radio, then moves all
// of its memory in 8-byte blocks, pumping the front end between rows so that
// Cancel works. The port is open only while a transfer runs.
//
// The caller brings the image up to date from the channel grid before a write;
// after a completed read it clears the new-document flag and refills the grid.
class ImageTransfer {
public:
    // The time-outs of the whole-image transfer's port.
    static constexpr SerialTimeouts LinkTimeouts{.readInterval = 30,
                                                 .readTotalMultiplier = 100,
                                                 .readTotalConstant = 90,
                                                 .writeTotalMultiplier = 50,
                                                 .writeTotalConstant = 50};

    ImageTransfer(SerialLink& link, TransferHost& host);

    // Reads the radio into `image`. The radio's password bytes must equal those
    // of `image`. The image changes only when the last block has arrived: a
    // failed or cancelled read leaves every byte as it was.
    TransferResult read(const std::string& device, CodeplugImage& image);

    // Writes `image` to the radio after checking that one of the document's bands
    // lies within the radio's. The squelch table and parameter block go only when
    // `squelchWrite` is on.
    TransferResult write(const std::string& device, const CodeplugImage& image,
                         const BandLimits& documentBands, bool squelchWrite);

private:
    std::optional<TransferResult> handshake(WireSession& session, const BandLimits* documentBands);
    std::optional<TransferResult> checkPassword(WireSession& session, const CodeplugImage& image);
    std::optional<TransferResult> finishRow(int row);

    SerialLink& m_link;
    TransferHost& m_host;
};

} // namespace program
