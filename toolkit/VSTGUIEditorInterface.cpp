#include "VSTGUIEditorInterface.h"

namespace VSTGUI {

namespace {
int32_t globalKnobMode = kCircularMode;
}

void setGlobalKnobMode(int32_t mode)
{
    globalKnobMode = mode;
}

int32_t getGlobalKnobMode()
{
    return globalKnobMode;
}

int32_t VSTGUIEditorInterface::getKnobMode() const
{
    return globalKnobMode;
}

} // namespace VSTGUI
