#pragma once

#include "ERect.h"
#include "IClock.h"
#include "VSTGUIEditorInterface.h"

namespace VSTGUI {

// The base of an editor that a plug-in adapter drives by hand: open in a system window, idle,
// close. It holds the frame, the effect handle it was made for and the system window.
class PluginGUIEditor : public VSTGUIEditorInterface
{
public:
    explicit PluginGUIEditor(void* effect, IClock& clock = monotonicClock());
    ~PluginGUIEditor() override;

    virtual void setParameter(int32_t index, float value);
    // Hands out the editor's rectangle.
    virtual bool getRect(ERect** rect);
    virtual bool open(void* systemWindow);
    virtual void close();
    virtual void idle();
    virtual void draw(ERect* rect);
    // Sets the process-wide knob mode; returns 1.
    virtual int32_t setKnobMode(int32_t mode);

    void* getEffect() const { return effect; }
    void* getSystemWindow() const { return systemWindow; }
    uint32_t getLastIdleTicks() const { return lastIdleTicks; }
    uint32_t getTicks() const { return clock.getTicks(); }

protected:
    ERect rect;
    void* effect;
    void* systemWindow = nullptr;
    IClock& clock;
    uint32_t lastIdleTicks;
};

} // namespace VSTGUI
