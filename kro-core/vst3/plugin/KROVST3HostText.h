#pragma once

#include "pluginterfaces/base/ftypes.h"

#include <string>

namespace Steinberg {
namespace Vst {

// A host's UTF-16 text (zero-terminated, read up to 128 units) as UTF-8 for our 128-byte text
// fields: a text longer than 127 bytes converts to empty rather than to a cut character.
std::string HostTextToUtf8(const char16* text);

} // namespace Vst
} // namespace Steinberg
