#pragma once

#include "CControl.h"

namespace VSTGUI {

// Shows one of a column of images stacked in its bitmap: the value, scaled to the images, picks
// which (minimum the first, maximum the last, rounded to the nearest).
class CMovieBitmap : public CControl
{
public:
    CMovieBitmap(const CRect& size, IControlListener* listener, int32_t tag, int32_t numberOfImages,
                 CCoord heightOfOneImage, CBitmap* background);

    CView* newCopy() const override { return new CMovieBitmap(*this); }
    void draw(CDrawContext* context) override;
    // The image the current value shows, 0 .. numberOfImages - 1.
    int32_t getCurrentImage() const;

private:
    int32_t numberOfImages;
    CCoord heightOfOneImage;
};

} // namespace VSTGUI
