#pragma once

#include "app/ProgramState.h"
#include "link/TransferHost.h"

#include <string>

namespace program::linktexts {

// The status line while the radio is being woken.
inline const BilingualText Waiting{"Waiting the response from radio....", "请等待对机讲响应...."};

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
// Replaces the usual open failure when a lock file names the process that holds the port.
LinkMessage portHeldBy(const std::string& device, int pid);
// The system's reason for `error`: the common ones of a serial port in either
// language, the system's own English words for the rest.
std::string systemReason(int error, Language language);

} // namespace program::linktexts
