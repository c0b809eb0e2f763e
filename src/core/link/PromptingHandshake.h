#pragma once

#include "link/SerialLink.h"
#include "link/TransferResult.h"

#include <functional>
#include <optional>

namespace program {

class TransferHost;
class WireSession;

// What to do once the radio has answered the identification request.
struct IdentityVerdict {
    enum class Action { Confirm, WakeAgain, End };

    Action action = Action::Confirm;
    TransferResult result; // how the run ends, for End
};

struct PromptingHandshakeSteps {
    bool clearBeforeEachWakeByte = false;
    bool clearAfterConfirm = false;
    // Runs before every wake attempt; a result ends the handshake (a cancel).
    std::function<std::optional<TransferResult>()> beforeAttempt;
    // Judges the identification reply.
    std::function<IdentityVerdict(const SerialReadResult& reply)> checkIdentity;
};

inline constexpr int WakeAttemptsBeforePrompt = 15;
// A confirmation that fails after more wake attempts than this ends the run
// instead of prompting: the radio is answering, but not sanely.
inline constexpr int ConfirmPromptLimit = 5;

// The wake-up of the whole-image transfer and of the prompting service exchange:
// wake attempts until the radio answers, the Retry/Cancel prompt after 15 silent
// ones, identification and confirmation. Returns nothing once the radio has
// confirmed, or how the run ends.
std::optional<TransferResult> runPromptingHandshake(WireSession& session, TransferHost& host,
                                                    const PromptingHandshakeSteps& steps);

} // namespace program
