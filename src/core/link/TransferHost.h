#pragma once

#include "app/BilingualText.h"

#include <string>

namespace program {

// A message the radio link wants the user to see. String-table messages carry
// their id (the front end words them from its language pack) and their English text;
// literal texts carry both forms and the front end picks one by the run's language.
struct LinkMessage {
    enum class Caption { ApplicationName, Caution, None };
    enum class Icon { None, Information, Warning, Stop };

    int id = 0; // string-table message id, or 0 for a literal
    BilingualText text;
    Caption caption = Caption::ApplicationName;
    // A caption of the message's own in both languages, where its Chinese wording
    // differs from the one `caption` names; empty for most messages.
    BilingualText captionText;
    Icon icon = Icon::None;
    // The system's own words on what went wrong ("/dev/ttyUSB0: No such file or
    // directory"), shown beneath the text; empty for most messages. The Chinese
    // form is there only for the common reasons.
    BilingualText detail;
    // The message tells that the port would not open or the radio did not answer: the
    // front end may offer the connection check with it.
    bool connectionFailed = false;
};

// Everything the whole-image transfer and the service exchanges need from the
// front end that runs them: the desktop program pumps Qt events and shows message
// boxes, program-cli prints to stderr, tests script the answers.
class TransferHost {
public:
    enum class Buttons { Ok, OkCancel, RetryCancel };
    enum class Answer { Ok, Cancel, Retry };

    virtual ~TransferHost() = default;

    // Handles one pending user-interface event; returns true once the user has
    // asked to cancel the transfer.
    virtual bool pumpEvent() = 0;
    virtual void showStatus(const BilingualText& status) = 0;
    virtual void setProgressRange(int maximum) = 0;
    virtual void setProgress(int position) = 0;
    virtual Answer ask(const LinkMessage& message, Buttons buttons) = 0;
    virtual void sleepMs(int milliseconds) = 0;
};

} // namespace program
