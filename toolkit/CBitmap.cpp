#include "CBitmap.h"

#include "CDrawContext.h"

#include <cmath>

namespace VSTGUI {

CBitmap::CBitmap(const CResourceDescription& desc) : resourceDesc(desc)
{
    if (auto platformBitmap = PlatformBitmap::createFromResource(desc.id))
        bitmaps.push_back(std::move(platformBitmap));
}

CBitmap::CBitmap(PlatformBitmapPtr platformBitmap)
{
    if (platformBitmap)
        bitmaps.push_back(std::move(platformBitmap));
}

CCoord CBitmap::getWidth() const
{
    return bitmaps.empty() ? 0 : bitmaps.front()->getWidth() / bitmaps.front()->getScaleFactor();
}

CCoord CBitmap::getHeight() const
{
    return bitmaps.empty() ? 0 : bitmaps.front()->getHeight() / bitmaps.front()->getScaleFactor();
}

PlatformBitmapPtr CBitmap::getPlatformBitmap() const
{
    return bitmaps.empty() ? nullptr : bitmaps.front();
}

bool CBitmap::addBitmap(PlatformBitmapPtr platformBitmap)
{
    if (!platformBitmap)
        return false;
    if (!bitmaps.empty())
    {
        double factor = platformBitmap->getScaleFactor();
        // A variant must cover the same points: its pixel size is the size in points times its
        // factor, rounded.
        if (std::fabs(platformBitmap->getWidth() - getWidth() * factor) > 0.5 ||
            std::fabs(platformBitmap->getHeight() - getHeight() * factor) > 0.5)
            return false;
        for (const auto& b : bitmaps)
            if (b->getScaleFactor() == factor)
                return false;
    }
    bitmaps.push_back(std::move(platformBitmap));
    return true;
}

PlatformBitmapPtr CBitmap::getBestPlatformBitmapForScaleFactor(double scaleFactor) const
{
    PlatformBitmapPtr best;
    PlatformBitmapPtr largest;
    for (const auto& b : bitmaps)
    {
        if (!largest || b->getScaleFactor() > largest->getScaleFactor())
            largest = b;
        if (b->getScaleFactor() >= scaleFactor && (!best || b->getScaleFactor() < best->getScaleFactor()))
            best = b;
    }
    return best ? best : largest;
}

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset, float alpha)
{
    if (context)
        context->drawBitmap(this, rect, offset, alpha);
}

} // namespace VSTGUI
