#pragma once

#include <cstddef>

// The POSIX pieces behind ReplaceFileContents, visible to its tests.
namespace platform::posix {

// Writes all size bytes, going on after short writes and interruptions. False on any error, such
// as a full disk.
bool WriteAllBytes(int descriptor, const char* data, size_t size);

} // namespace platform::posix
