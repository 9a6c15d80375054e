#include "CKickButton.h"

#include "CBitmap.h"

namespace VSTGUI {

CKickButton::CKickButton(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
                         CCoord heightOfOneImage)
    : CControl(size, listener, tag, background), heightOfOneImage(heightOfOneImage)
{}

void CKickButton::draw(CDrawContext* context)
{
    if (CBitmap* bitmap = getBackground())
    {
        CCoord offset = getValue() == getMax() ? heightOfOneImage : 0;
        bitmap->draw(context, size, CPoint(0, offset));
    }
    setDirty(false);
}

CMouseEventResult CKickButton::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginEdit();
    setValue(getMax());
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseMoved(CPoint& where, const CButtonState&)
{
    if (!isEditing())
        return kMouseEventNotHandled;
    float shown = size.pointInside(where) ? getMax() : getMin();
    if (shown != getValue())
    {
        setValue(shown);
        invalid();
    }
    return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseUp(CPoint& where, const CButtonState&)
{
    if (!isEditing())
        return kMouseEventNotHandled;
    if (size.pointInside(where))
    {
        setValue(getMax());
        valueChanged();
    }
    setValue(getMin());
    valueChanged();
    invalid();
    endEdit();
    return kMouseEventHandled;
}

} // namespace VSTGUI
