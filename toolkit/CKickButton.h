#pragma once

#include "CControl.h"

namespace VSTGUI {

// A push button. It shows its pressed image while held inside; a release inside reports the maximum
// and then the minimum, a release outside only the minimum. The bitmap stacks the released image
// above the pressed one, each heightOfOneImage high.
class CKickButton : public CControl
{
public:
    CKickButton(const CRect& size, IControlListener* listener = nullptr, int32_t tag = 0, CBitmap* background = nullptr,
                CCoord heightOfOneImage = 0);

    CView* newCopy() const override { return new CKickButton(*this); }
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;

private:
    CCoord heightOfOneImage;
};

} // namespace VSTGUI
