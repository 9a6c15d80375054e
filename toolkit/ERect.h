#pragma once

#include <cstdint>

namespace VSTGUI {

// An editor's rectangle as plug-in hosts exchange it.
struct ERect
{
    int16_t top = 0;
    int16_t left = 0;
    int16_t bottom = 0;
    int16_t right = 0;
};

} // namespace VSTGUI
