#pragma once

#include "pluginterfaces/base/ftypes.h"
#include "pluginterfaces/vst/ivstattributes.h"

#include <string>

namespace Steinberg {
namespace Vst {

// A host's UTF-16 text (zero-terminated, read up to 128 units) as UTF-8 for our 128-byte text
// fields: a text longer than 127 bytes converts to empty rather than to a cut character.
std::string HostTextToUtf8(const char16* text);

// A string attribute of the host's list, read into a buffer of 128 units that always keeps its
// terminator, whatever length the host's text has; converted as HostTextToUtf8 does. False when the
// list has no such string.
bool GetHostString(IAttributeList& list, const char* key, std::string& text);

} // namespace Vst
} // namespace Steinberg
