#pragma once

#include "kro-core/gui/CKROGUIContainerInterface.h"
#include "tuner/engine/TunerResultBlock.h"

#include <string>
#include <vector>

// Pictures of the editor's pages put together from the bitmaps at the positions the editor uses,
// so that a person can judge the artwork in place. Each returns false when the file is not written.
namespace EditorPreview {

// A reading and the display mode to show it in, named for the picture's file.
struct DisplaySample
{
    const char* name;
    int displayMode;
    TunerResultBlock reading;
};

// One of each of the display's pictures; the first, a needle just sharp of centre with the in-tune
// marks and "A#", shows both colour sets.
std::vector<DisplaySample> displaySamples();

// The main face with the display drawing the sample once in the colour set.
bool writeFace(const CKROGUIContainerInterface& bitmaps, int colourSet, const DisplaySample& sample,
               const std::string& path);
// The settings page with one button of each row selected.
bool writeSettings(const CKROGUIContainerInterface& bitmaps, const std::string& path);

} // namespace EditorPreview
