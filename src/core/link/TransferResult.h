#pragma once

#include "link/TransferHost.h"

#include <optional>
#include <string>

namespace program {

// How a whole-image transfer or a service exchange ended.
struct TransferResult {
    enum class Outcome { Completed, Failed, Cancelled };

    Outcome outcome = Outcome::Failed;
    // The message that ended the run: the failure message, the prompt the user
    // answered with Cancel, or a service exchange's success message. Empty when a
    // whole-image transfer completed (it shows nothing) or the user cancelled from
    // the progress window.
    std::optional<LinkMessage> message;
    // The system's reason when the port could not be opened.
    std::string portDetail;
    // A write ended after its first block went out: the radio may hold part of the
    // new memory and part of the old.
    bool radioPartlyWritten = false;

    bool completed() const { return outcome == Outcome::Completed; }
};

} // namespace program
