#include "COnOffButton.h"

#include "CBitmap.h"

namespace VSTGUI {

COnOffButton::COnOffButton(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background)
    : CControl(size, listener, tag, background)
{}

void COnOffButton::draw(CDrawContext* context)
{
    if (CBitmap* bitmap = getBackground())
    {
        CCoord offset = getValue() == getMax() ? bitmap->getHeight() / 2 : 0;
        bitmap->draw(context, size, CPoint(0, offset));
    }
    setDirty(false);
}

CMouseEventResult COnOffButton::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginEdit();
    setValue(getValue() == getMax() ? getMin() : getMax());
    invalid();
    valueChanged();
    endEdit();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

} // namespace VSTGUI
