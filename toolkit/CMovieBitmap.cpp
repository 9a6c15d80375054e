#include "CMovieBitmap.h"

#include "CBitmap.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

CMovieBitmap::CMovieBitmap(const CRect& size, IControlListener* listener, int32_t tag, int32_t numberOfImages,
                           CCoord heightOfOneImage, CBitmap* background)
    : CControl(size, listener, tag, background), numberOfImages(std::max(numberOfImages, 1)),
      heightOfOneImage(heightOfOneImage)
{}

int32_t CMovieBitmap::getCurrentImage() const
{
    auto image = static_cast<int32_t>(std::lround(getValueNormalized() * (numberOfImages - 1)));
    return std::min(std::max(image, 0), numberOfImages - 1);
}

void CMovieBitmap::draw(CDrawContext* context)
{
    if (CBitmap* bitmap = getBackground())
        bitmap->draw(context, size, CPoint(0, getCurrentImage() * heightOfOneImage));
    setDirty(false);
}

} // namespace VSTGUI
