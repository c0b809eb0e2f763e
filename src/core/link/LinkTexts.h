#pragma once

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

} // namespace program::linktexts
