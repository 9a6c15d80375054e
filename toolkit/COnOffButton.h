#pragma once

#include "CControl.h"

namespace VSTGUI {

// A switch: each left press flips between minimum and maximum. The bitmap holds the off image above
// the on image, each half its height.
class COnOffButton : public CControl
{
public:
    COnOffButton(const CRect& size, IControlListener* listener = nullptr, int32_t tag = 0,
                 CBitmap* background = nullptr);

    CView* newCopy() const override { return new COnOffButton(*this); }
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
};

} // namespace VSTGUI
