#include "PluginGUIEditor.h"

namespace VSTGUI {

PluginGUIEditor::PluginGUIEditor(void* effect, IClock& clock)
    : effect(effect), clock(clock), lastIdleTicks(clock.getTicks())
{}

PluginGUIEditor::~PluginGUIEditor() = default;

void PluginGUIEditor::setParameter(int32_t, float) {}

bool PluginGUIEditor::getRect(ERect** out)
{
    if (!out)
        return false;
    *out = &rect;
    return true;
}

bool PluginGUIEditor::open(void* window)
{
    systemWindow = window;
    return true;
}

void PluginGUIEditor::close()
{
    systemWindow = nullptr;
}

void PluginGUIEditor::idle()
{
    lastIdleTicks = clock.getTicks();
    doIdleStuff();
}

void PluginGUIEditor::draw(ERect*) {}

int32_t PluginGUIEditor::setKnobMode(int32_t mode)
{
    setGlobalKnobMode(mode);
    return 1;
}

} // namespace VSTGUI
