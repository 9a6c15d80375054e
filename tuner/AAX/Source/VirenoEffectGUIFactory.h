#pragma once

#include "aaxsdk/AAX_ACF.h"

// The GUI factory the description registers. The AAX editor side is not built yet: it makes no
// object, and a host opens no editor.
IACFUnknown* CreateVirenoEffectGUI();
