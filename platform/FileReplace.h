#pragma once

#include <string>

namespace platform {

// Replaces the whole content of a file so that a reader, or a crash, sees either the old content or
// the new one and never a part: the bytes go to a new file in the same folder, are flushed to the
// disk, and that file is then renamed over the old one. A symbolic link is followed and its target
// replaced, so the user's link stays a link.
//
// True only when every byte reached the disk under the final name. False, with the old file left
// as it was and no temporary file left behind, when the target exists but is not a regular file
// (a folder, a device), when the link is dangling, when the folder takes no new file, or when a
// write, the flush or the rename fails.
bool ReplaceFileContents(const std::string& path, const std::string& contents);

} // namespace platform
