#pragma once

#include <cstdint>

namespace VSTGUI {

enum CButton : int32_t
{
    kLButton = 1 << 1,
    kMButton = 1 << 2,
    kRButton = 1 << 3,
    kShift = 1 << 4,
    kControl = 1 << 5,
    kAlt = 1 << 6,
};

// The mouse buttons and modifier keys of one mouse event.
class CButtonState
{
public:
    CButtonState(int32_t state = 0) : state(state) {}

    int32_t getButtonState() const { return state & (kLButton | kMButton | kRButton); }
    int32_t getModifierState() const { return state & (kShift | kControl | kAlt); }
    bool isLeftButton() const { return (state & kLButton) != 0; }
    operator int32_t() const { return state; }

private:
    int32_t state;
};

enum CMouseEventResult
{
    kMouseEventNotHandled = 0,
    kMouseEventHandled,
    // Handled at the press; the view wants neither the moves nor the release that follow.
    kMouseDownEventHandledButDontNeedMovedOrUpEvents,
};

} // namespace VSTGUI
