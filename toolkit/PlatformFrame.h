#pragma once

#include "CRect.h"
#include "PlatformBitmap.h"
#include "PlatformType.h"

#include <vector>

namespace VSTGUI {

class CFrame;

// What stands behind an open frame: a back buffer of the frame's pixel size that collects the
// invalidated areas and paints only them, and, in a subclass, the window that shows it.
class PlatformFrame
{
public:
    PlatformFrame(CFrame& frame, int width, int height);
    virtual ~PlatformFrame();
    PlatformFrame(const PlatformFrame&) = delete;
    PlatformFrame& operator=(const PlatformFrame&) = delete;

    virtual PlatformType getType() const = 0;
    // The window the frame is embedded in (an X11 window id), null offscreen.
    virtual void* getParentWindow() const { return nullptr; }

    virtual bool setSize(int width, int height);
    // Marks an area, in pixels, for the next paint.
    void invalidRect(const CRect& pixelRect);
    // Redraws every invalidated area into the back buffer and shows it; returns the painted union.
    CRect paintInvalid();
    bool hasInvalidArea() const { return !invalidAreas.empty(); }

    const PlatformBitmapPtr& getBackBuffer() const { return backBuffer; }

protected:
    // Called when the first area after a paint is invalidated: a window schedules its redraw here.
    virtual void onInvalidated() {}
    // Called after areas were painted into the back buffer: a window copies them to the screen.
    virtual void present(const std::vector<CRect>&) {}

    CFrame& frame;

private:
    PlatformBitmapPtr backBuffer;
    std::vector<CRect> invalidAreas;
};

} // namespace VSTGUI
