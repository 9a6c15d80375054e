#include "CKROCtrlSetInterface.h"

CKROCtrlSetInterface::~CKROCtrlSetInterface()
{
    DestroyControls();
}

void CKROCtrlSetInterface::AddControl(int32_t tag, VSTGUI::CControl* control)
{
    if (!control)
        return;
    control->remember();
    VSTGUI::CControl*& slot = controls[tag];
    if (slot)
        slot->forget();
    slot = control;
}

VSTGUI::CControl* CKROCtrlSetInterface::FindControl(int32_t tag) const
{
    auto found = controls.find(tag);
    return found == controls.end() ? nullptr : found->second;
}

void CKROCtrlSetInterface::DestroyControls()
{
    ControlMap released;
    released.swap(controls);
    for (auto& entry : released)
        entry.second->forget();
}
