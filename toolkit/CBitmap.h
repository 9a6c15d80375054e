#pragma once

#include "CBaseObject.h"
#include "CRect.h"
#include "CResourceDescription.h"
#include "PlatformBitmap.h"

#include <vector>

namespace VSTGUI {

class CDrawContext;

// A picture with one or more platform bitmaps of the same size in points, one per scale factor;
// drawing picks the variant that best fits the context's zoom.
class CBitmap : public CBaseObject
{
public:
    // Loads the resource with that number; without it the bitmap has no platform bitmap.
    explicit CBitmap(const CResourceDescription& desc);
    explicit CBitmap(PlatformBitmapPtr platformBitmap);

    const CResourceDescription& getResourceDescription() const { return resourceDesc; }

    // Size in points, from the first platform bitmap; 0 without one.
    CCoord getWidth() const;
    CCoord getHeight() const;
    CPoint getSize() const { return {getWidth(), getHeight()}; }

    PlatformBitmapPtr getPlatformBitmap() const;
    // Adds a scale variant. Refused when its size in points differs or its scale factor is taken.
    bool addBitmap(PlatformBitmapPtr platformBitmap);
    // The variant with the smallest scale factor at or above the wanted one, else the largest.
    PlatformBitmapPtr getBestPlatformBitmapForScaleFactor(double scaleFactor) const;

    // Draws the part of the bitmap that starts at offset into rect, with the alpha factor.
    virtual void draw(CDrawContext* context, const CRect& rect, const CPoint& offset = CPoint(0, 0), float alpha = 1.f);

private:
    CResourceDescription resourceDesc;
    std::vector<PlatformBitmapPtr> bitmaps;
};

} // namespace VSTGUI
