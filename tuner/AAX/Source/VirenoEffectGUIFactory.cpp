#include "VirenoEffectGUIFactory.h"

IACFUnknown* CreateVirenoEffectGUI()
{
    return nullptr;
}
