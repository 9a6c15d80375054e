#pragma once

#include "CKROGUIContainerInterface.h"

#include <string>

// Pictures of the editor's pages put together from the bitmaps at the positions the editor uses,
// so that a person can judge the artwork in place. Each returns false when the file is not written.
namespace EditorPreview {

// The main face with a reading lit: a needle just sharp of centre, the in-tune marks and "A#".
bool writeFace(const CKROGUIContainerInterface& bitmaps, int colourSet, const std::string& path);
// The settings page with one button of each row selected.
bool writeSettings(const CKROGUIContainerInterface& bitmaps, const std::string& path);

} // namespace EditorPreview
