#pragma once

#include "kro-core/plugin/KROFourCharCode.h"
#include "aaxsdk/AAX_IACFDescription.h"

// The framework's AAX state chunk, as the adapter writes and reads it and a host stores it: the
// effect's PluginState tree as XML, three blanks after it.
namespace KROAAXStateChunk {

inline constexpr AAX_CTypeID kID = KROFourCharCode("stch");
inline constexpr const char* kName = "KRO State Chunk";

} // namespace KROAAXStateChunk
