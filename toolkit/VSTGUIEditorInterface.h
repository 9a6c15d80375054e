#pragma once

#include "CRect.h"

#include <cstdint>

namespace VSTGUI {

class CFrame;

// What a frame knows of the editor that owns it.
class VSTGUIEditorInterface
{
public:
    virtual ~VSTGUIEditorInterface() = default;

    virtual void doIdleStuff() {}
    virtual int32_t getKnobMode() const;
    virtual void beginEdit(int32_t) {}
    virtual void endEdit(int32_t) {}
    virtual bool beforeSizeChange(const CRect&, const CRect&) { return true; }
    virtual CFrame* getFrame() const { return frame; }

protected:
    CFrame* frame = nullptr;
};

// The process-wide mode in which knobs follow the mouse.
enum CKnobMode : int32_t
{
    kCircularMode = 0,
    kRelativCircularMode,
    kLinearMode,
};

void setGlobalKnobMode(int32_t mode);
int32_t getGlobalKnobMode();

} // namespace VSTGUI
