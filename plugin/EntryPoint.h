// The DLL's one export, named "main" by the module definition file.
#pragma once
#include <cstdint>

#include "host/ParameterBlock.h"

extern "C" std::int16_t OrvanePluginMain(orvane::ParameterBlock* block);

namespace orvane {

// The version check of messages 1, 3 and 6: true when the Host is 6.52 or later.
// A Host whose identity cannot be read, or whose version text holds no number
// after its second space, counts as too old.
bool HostVersionSupported();

}  // namespace orvane
