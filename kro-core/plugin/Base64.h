#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Standard base64 (RFC 4648 alphabet, "=" fill, no line breaks) for the binary chunk that the
// plug-in state carries as text.
std::string Base64Encode(const uint8_t* bytes, size_t count);

// Lenient: decoding stops at the first "=" or at any character outside the alphabet, and a
// trailing group of one character gives nothing. Never fails; the state reader checks the length.
std::string Base64Decode(const std::string& text);
