#pragma once

#include "toolkit/CControl.h"

#include <cstdint>
#include <map>

// The controls of a control set by tag. The map holds a reference of its own to each control,
// beside the one of the container the control sits in: whichever of the two lets go last frees
// the control, so it is freed exactly once whether the frame or the control set goes first.
class CKROCtrlSetInterface
{
public:
    using ControlMap = std::map<int32_t, VSTGUI::CControl*>;

    CKROCtrlSetInterface() = default;
    virtual ~CKROCtrlSetInterface();
    CKROCtrlSetInterface(const CKROCtrlSetInterface&) = delete;
    CKROCtrlSetInterface& operator=(const CKROCtrlSetInterface&) = delete;

    // Keeps its own reference to the control; a control already stored under the tag is let go.
    void AddControl(int32_t tag, VSTGUI::CControl* control);
    // Null when no control has the tag.
    VSTGUI::CControl* FindControl(int32_t tag) const;
    const ControlMap& Controls() const { return controls; }
    // Lets go of every control.
    void DestroyControls();

private:
    ControlMap controls;
};
