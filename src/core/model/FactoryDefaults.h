#pragma once

#include "model/CodeplugImage.h"

namespace program {

// The image a new document starts from: erased memory with the factory values of
// the feature, signalling and tuning regions. The channel table stays blank; the
// type byte, band-limit block and band shadow get their new-document values later,
// when the channel table is first decoded.
CodeplugImage factoryDefaults();

} // namespace program
