#pragma once

#include "toolkit/CColor.h"

#include <string>
#include <vector>

// Painters of the editor's bitmaps; each returns the PNG bytes of one bitmap.
namespace Artwork {

std::string muteButton();
std::string settingsButton();
std::string closeButton();
// A settings-page radio button, off above on; swatches (optional) show a colour set.
std::string radioButton(const std::string& label, int width, const std::vector<VSTGUI::CColor>& swatches = {});
// Images stacked top to bottom, one per label.
std::string indicator(const std::vector<std::string>& labels, int width);
std::string led(const VSTGUI::CColor& colour);
std::string mainFace();
std::string settingsPage();
std::string aboutPage();

struct Resource
{
    int id;
    std::string png;
};

// Every bitmap of the editor under its resource number.
std::vector<Resource> allResources();

} // namespace Artwork
