#pragma once

#include "aaxsdk/AAX_IACFEffectGUI.h"

// The library's GUI interface: the host's, as the GUI base implements it.
class AAX_IEffectGUI : public AAX_IACFEffectGUI
{
protected:
    ~AAX_IEffectGUI() = default;
};
