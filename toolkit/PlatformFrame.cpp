#include "PlatformFrame.h"

#include "CDrawContext.h"
#include "CFrame.h"

#include <cairo.h>
#include <cmath>

namespace VSTGUI {

namespace {

CRect integral(const CRect& r)
{
    return CRect(std::floor(r.left), std::floor(r.top), std::ceil(r.right), std::ceil(r.bottom));
}

} // namespace

PlatformFrame::PlatformFrame(CFrame& frame, int width, int height)
    : frame(frame), backBuffer(PlatformBitmap::create(std::max(width, 1), std::max(height, 1)))
{
    invalidRect(CRect(0, 0, width, height));
}

PlatformFrame::~PlatformFrame() = default;

bool PlatformFrame::setSize(int width, int height)
{
    auto resized = PlatformBitmap::create(std::max(width, 1), std::max(height, 1));
    if (!resized)
        return false;
    backBuffer = std::move(resized);
    invalidAreas.clear();
    invalidRect(CRect(0, 0, width, height));
    return true;
}

void PlatformFrame::invalidRect(const CRect& pixelRect)
{
    CRect area = integral(pixelRect).bound(CRect(0, 0, backBuffer->getWidth(), backBuffer->getHeight()));
    if (area.isEmpty())
        return;
    bool first = invalidAreas.empty();
    // Merge overlapping areas so a pixel is painted once per update.
    for (auto it = invalidAreas.begin(); it != invalidAreas.end();)
    {
        if (it->rectOverlap(area))
        {
            area.unite(*it);
            it = invalidAreas.erase(it);
        }
        else
            ++it;
    }
    invalidAreas.push_back(area);
    if (first)
        onInvalidated();
}

CRect PlatformFrame::paintInvalid()
{
    std::vector<CRect> areas;
    areas.swap(invalidAreas);
    CRect painted;
    if (areas.empty())
        return painted;
    cairo_t* cr = cairo_create(backBuffer->getSurface());
    for (const CRect& area : areas)
    {
        {
            CDrawContext context(cr, frame.getZoom());
            context.saveGlobalState();
            context.setClipRect(area);
            // Clear first: the frame's content may be translucent and must not pile up.
            cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
            cairo_paint(cr);
            cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
            frame.platformDrawRect(&context, area);
            context.restoreGlobalState();
        }
        painted.unite(area);
    }
    cairo_destroy(cr);
    cairo_surface_flush(backBuffer->getSurface());
    present(areas);
    return painted;
}

} // namespace VSTGUI
