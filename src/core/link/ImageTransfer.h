#pragma once

#include "app/ProgramState.h"
#include "link/SerialLink.h"
#include "link/TransferHost.h"
#include "link/TransferResult.h"
#include "model/CodeplugImage.h"
#include "model/ImageMap.h"

#include <string>
#include <vector>

namespace program {

class WireSession;

// The parts of the memory a whole-image write sends, in the order it sends them:
// the rows before the squelch table, the radio type and password block and the
// one after it, the parts of the identity block Software Info does not edit, and
// the squelch table and parameter block when `squelchWrite` is on.
std::vector<imagemap::Region> writtenRanges(bool squelchWrite);

// What a read-back after a write found.
struct VerifyResult {
    // How the read-back ended; Completed when every block came back.
    TransferResult readBack;
    // The radio's memory as it was read back; whole only when the read-back completed.
    CodeplugImage radio;
    // The runs of written bytes that the radio holds otherwise, each in one region
    // of the image map.
    std::vector<imagemap::Region> differences;

    bool verified() const { return readBack.completed() && differences.empty(); }
};

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

    // After a write of `written`: reads the whole radio once more, exactly as Read
    // does (a new wake and identification, the password frame, every block) into a
    // scratch image, and compares the bytes the write sent. The status text counts
    // the rows as "Verifying N". A password the radio holds otherwise is not refused
    // here: it is one of the differences.
    VerifyResult verify(const std::string& device, const CodeplugImage& written, bool squelchWrite);

private:
    enum class PasswordRule { Refuse, Accept };

    TransferResult readAll(const std::string& device, CodeplugImage& image, PasswordRule rule,
                           const BilingualText& rowPrefix);
    std::optional<TransferResult> handshake(WireSession& session, const BandLimits* documentBands);
    std::optional<TransferResult> checkPassword(WireSession& session, const CodeplugImage& image,
                                                PasswordRule rule);
    std::optional<TransferResult> finishRow(int row, const BilingualText& prefix = {});

    SerialLink& m_link;
    TransferHost& m_host;
};

} // namespace program
