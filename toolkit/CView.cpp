#include "CView.h"

#include "CBitmap.h"
#include "CDrawContext.h"
#include "CViewContainer.h"

namespace VSTGUI {

CView::CView(const CRect& size) : size(size) {}

CView::CView(const CView& other)
    : CBaseObject(other), size(other.size), background(other.background), mouseEnabled(other.mouseEnabled),
      visibleFlag(other.visibleFlag)
{
    if (background)
        background->remember();
}

CView::~CView()
{
    if (background)
        background->forget();
}

void CView::draw(CDrawContext* context)
{
    if (background)
        background->draw(context, size);
    setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect& updateRect)
{
    context->saveGlobalState();
    CRect clip(size);
    context->setClipRect(clip.bound(updateRect));
    draw(context);
    context->restoreGlobalState();
}

CMouseEventResult CView::onMouseDown(CPoint&, const CButtonState&)
{
    return kMouseEventNotHandled;
}

CMouseEventResult CView::onMouseUp(CPoint&, const CButtonState&)
{
    return kMouseEventNotHandled;
}

CMouseEventResult CView::onMouseMoved(CPoint&, const CButtonState&)
{
    return kMouseEventNotHandled;
}

int32_t CView::onKeyDown(VstKeyCode&)
{
    return -1;
}

bool CView::hitTest(const CPoint& where, const CButtonState&)
{
    return size.pointInside(where);
}

bool CView::attached(CView*)
{
    if (attachedFlag)
        return false;
    attachedFlag = true;
    return true;
}

bool CView::removed(CView*)
{
    if (!attachedFlag)
        return false;
    attachedFlag = false;
    return true;
}

CFrame* CView::getFrame() const
{
    return parentView ? parentView->getFrame() : nullptr;
}

void CView::setViewSize(const CRect& rect, bool invalidate)
{
    if (rect == size)
        return;
    if (invalidate)
        invalid();
    size = rect;
    if (invalidate)
        invalid();
}

void CView::setVisible(bool visible)
{
    if (visible == visibleFlag)
        return;
    // Invalidate while visible, so that the area under a hidden view is redrawn too.
    if (!visible)
        invalid();
    visibleFlag = visible;
    if (visible)
        invalid();
}

void CView::invalid()
{
    invalidRect(size);
}

void CView::invalidRect(const CRect& rect)
{
    setDirty(true);
    if (attachedFlag && visibleFlag && parentView)
        parentView->invalidRect(rect);
}

void CView::setBackground(CBitmap* bitmap)
{
    if (bitmap)
        bitmap->remember();
    if (background)
        background->forget();
    background = bitmap;
    invalid();
}

} // namespace VSTGUI
