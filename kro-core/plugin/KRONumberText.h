#pragma once

#include <cstdint>
#include <string>

// Numbers inside texts that come from outside (a host's project, the editor's messages), read the
// way the C library reads them: leading blanks skipped, the longest valid prefix taken, the rest
// ignored. They report failure instead of throwing so that callers can skip a bad value.

// False when there are no digits, or the number is beyond the float range or not finite (a
// "nan" or "inf" would otherwise pass every later range check unnoticed). A number closer to 0
// than the smallest normal float reads as the nearest float.
bool ReadFloatText(const std::string& text, float& value);

// A decimal integer; false when there are no digits or it does not fit 32 bits.
bool ReadIntegerText(const std::string& text, int32_t& value);
