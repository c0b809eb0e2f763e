#include "link/PromptingHandshake.h"

#include "app/MessageIds.h"
#include "link/LinkTexts.h"
#include "link/WireSession.h"
#include "link/WireVocabulary.h"

namespace program {

namespace {

constexpr int FailedWakePauseMs = 2;
constexpr int BeforeIdentifyPauseMs = 1;
constexpr int BeforeConfirmReadPauseMs = 1;

} // namespace

std::optional<TransferResult> runPromptingHandshake(WireSession& session, TransferHost& host,
                                                    const PromptingHandshakeSteps& steps) {
    int attempt = 1;
    for (;;) {
        if (steps.beforeAttempt) {
            if (auto end = steps.beforeAttempt())
                return end;
        }

        session.purge();
        session.sendWake(steps.clearBeforeEachWakeByte);

        if (!session.wakeAnswered()) {
            session.pause(FailedWakePauseMs);
            if (++attempt <= WakeAttemptsBeforePrompt)
                continue;
        } else {
            session.pause(BeforeIdentifyPauseMs);
            session.clear();
            session.send(wire::IdentifyRequest);
            const SerialReadResult identity = session.receive(wire::IdentityRecord::Size);
            const IdentityVerdict verdict =
                steps.checkIdentity ? steps.checkIdentity(identity) : IdentityVerdict{};
            if (verdict.action == IdentityVerdict::Action::End)
                return verdict.result;
            if (verdict.action == IdentityVerdict::Action::WakeAgain)
                continue;

            session.clear();
            session.send(wire::Ack);
            if (steps.clearAfterConfirm)
                session.clear();
            session.pause(BeforeConfirmReadPauseMs);
            if (session.receiveAck())
                return std::nullopt;
            if (attempt > ConfirmPromptLimit)
                return session.fail(linktexts::stringTable(message::ProgramInterrupt));
        }

        const LinkMessage prompt = linktexts::stringTable(message::CommunicationError);
        if (host.ask(prompt, TransferHost::Buttons::RetryCancel) != TransferHost::Answer::Retry)
            return TransferResult{TransferResult::Outcome::Cancelled, prompt, {}};
        attempt = 1;
    }
}

} // namespace program
