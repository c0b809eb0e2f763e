#pragma once

#include "app/ProgramState.h"
#include "link/TransferHost.h"

#include <string>

namespace program::linktexts {

// The status line while the radio is being woken.
inline const BilingualText Waiting{"Waiting the response from radio....", "请等待对机讲响应...."};

// The status line of a read-back after a write, before the row count.
inline const BilingualText Verifying{"Verifying", "正在校验"};

// A message of the language packs' string table, captioned with the application
// name unless told otherwise.
LinkMessage stringTable(int id,
                        LinkMessage::Caption caption = LinkMessage::Caption::ApplicationName);

LinkMessage typeMismatch();
LinkMessage passwordError();
LinkMessage openSerialPortFails();
LinkMessage communicationError();
LinkMessage readSuccessfully();
LinkMessage writeSuccessfully();
// Replaces the usual open failure when the system refused the device for lack of
// permission, and says how to get it.
LinkMessage portPermissionDenied(const std::string& device);
// Follows a write that failed or was cancelled after its first block: what the radio
// may hold now, and how to give it a consistent memory again.
LinkMessage radioPartlyWritten();
// The ends of a read-back after a write: every written byte came back; some came
// back otherwise (the lines naming them follow); the read-back failed or was
// cancelled, so nothing was checked although the write itself completed.
LinkMessage verified();
LinkMessage verifyDifferences();
LinkMessage verifyReadBackFailed();
LinkMessage verifyCancelled();
// Replaces the usual open failure when a lock file names the process that holds the port.
LinkMessage portHeldBy(const std::string& device, int pid);
// The system's reason for `error`: the common ones of a serial port in either
// language, the system's own English words for the rest.
std::string systemReason(int error, Language language);

// A link message as one English line, for program-cli and the fleet's report:
// string-table text or literal, with the system's detail, line breaks folded.
std::string englishLine(const LinkMessage& message);

} // namespace program::linktexts
