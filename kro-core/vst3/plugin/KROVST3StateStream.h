#pragma once

// Reading and writing a host's state stream. A read or write counts only when every byte asked
// for went through: the SDK's memory stream reports success with 0 bytes at its end, and a host
// stream may deliver less than asked for.

#include "pluginterfaces/base/ibstream.h"

#include <cstddef>
#include <string>

namespace Steinberg {
namespace Vst {

// A state larger than this is no state of ours; reading stops there and fails.
constexpr size_t kMaxStateBytes = 1u << 20;

// Reads from the current position to the end of the stream into bytes. False, bytes empty, when
// the stream holds more than maxBytes or a read fails; an empty stream is an empty text.
bool ReadWholeStream(IBStream& stream, std::string& bytes, size_t maxBytes = kMaxStateBytes);

// True only when all of bytes were written.
bool WriteWholeStream(IBStream& stream, const std::string& bytes);

} // namespace Vst
} // namespace Steinberg
