#include "CViewContainer.h"

#include "CBitmap.h"
#include "CDrawContext.h"

#include <algorithm>

namespace VSTGUI {

namespace {

// Keeps a view alive across a call that may remove it from its parent.
struct KeepAlive
{
    explicit KeepAlive(CView* view) : view(view) { view->remember(); }
    ~KeepAlive() { view->forget(); }
    CView* view;
};

} // namespace

CViewContainer::CViewContainer(const CRect& size) : CView(size) {}

CViewContainer::~CViewContainer()
{
    removeAll();
}

bool CViewContainer::addView(CView* view)
{
    if (!view || isChild(view) || view->getParentView())
        return false;
    children.push_back(view);
    view->parentView = this;
    try
    {
        if (isAttached())
            view->attached(this);
        view->invalid();
    }
    catch (...)
    {
        // Not added after all: the caller keeps the reference it meant to hand over.
        children.pop_back();
        view->parentView = nullptr;
        throw;
    }
    return true;
}

bool CViewContainer::removeView(CView* view, bool withForget)
{
    auto it = std::find(children.begin(), children.end(), view);
    if (it == children.end())
        return false;
    view->invalid();
    children.erase(it);
    if (mouseDownView == view)
        mouseDownView = nullptr;
    if (view->isAttached())
        view->removed(this);
    view->parentView = nullptr;
    if (withForget)
        view->forget();
    return true;
}

bool CViewContainer::removeAll(bool withForget)
{
    while (!children.empty())
        removeView(children.back(), withForget);
    return true;
}

bool CViewContainer::isChild(CView* view) const
{
    return std::find(children.begin(), children.end(), view) != children.end();
}

void CViewContainer::setBackgroundColor(const CColor& color)
{
    backgroundColor = color;
    invalid();
}

void CViewContainer::setTransparency(bool value)
{
    transparent = value;
    invalid();
}

void CViewContainer::draw(CDrawContext* context)
{
    drawRect(context, size);
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect)
{
    CRect clip(size);
    clip.bound(updateRect);
    if (clip.isEmpty())
        return;
    context->saveGlobalState();
    context->setClipRect(clip);
    context->translate(size.left, size.top);
    clip.offset(-size.left, -size.top);
    drawContents(context, CRect(0, 0, size.getWidth(), size.getHeight()), clip);
    context->restoreGlobalState();
    setDirty(false);
}

void CViewContainer::drawContents(CDrawContext* context, const CRect& bounds, const CRect& updateRect)
{
    if (!transparent)
    {
        if (backgroundColor.alpha > 0)
        {
            context->setFillColor(backgroundColor);
            context->drawRect(bounds, kDrawFilled);
        }
        if (getBackground())
            getBackground()->draw(context, bounds);
    }
    for (CView* child : children)
        if (child->isVisible() && child->getViewSize().rectOverlap(updateRect))
            child->drawRect(context, updateRect);
}

CView* CViewContainer::findMouseTarget(const CPoint& local, const CButtonState& buttons) const
{
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if ((*it)->isVisible() && (*it)->getMouseEnabled() && (*it)->hitTest(local, buttons))
            return *it;
    return nullptr;
}

CMouseEventResult CViewContainer::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    CPoint local(where.x - size.left, where.y - size.top);
    CView* target = findMouseTarget(local, buttons);
    return target ? pressChild(target, local, buttons) : kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::pressChild(CView* child, CPoint& local, const CButtonState& buttons)
{
    KeepAlive keep(child);
    CMouseEventResult result = child->onMouseDown(local, buttons);
    if (result == kMouseEventHandled && isChild(child))
        mouseDownView = child;
    return result;
}

CMouseEventResult CViewContainer::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (!mouseDownView)
        return kMouseEventNotHandled;
    CView* target = mouseDownView;
    mouseDownView = nullptr;
    KeepAlive keep(target);
    CPoint local(where.x - size.left, where.y - size.top);
    return target->onMouseUp(local, buttons);
}

CMouseEventResult CViewContainer::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!mouseDownView)
        return kMouseEventNotHandled;
    KeepAlive keep(mouseDownView);
    CPoint local(where.x - size.left, where.y - size.top);
    return mouseDownView->onMouseMoved(local, buttons);
}

int32_t CViewContainer::onKeyDown(VstKeyCode& key)
{
    for (auto it = children.rbegin(); it != children.rend(); ++it)
    {
        if (!(*it)->isVisible())
            continue;
        KeepAlive keep(*it);
        if ((*it)->onKeyDown(key) != -1)
            return 1;
    }
    return -1;
}

bool CViewContainer::attached(CView* parent)
{
    if (!CView::attached(parent))
        return false;
    for (CView* child : children)
        child->attached(this);
    return true;
}

bool CViewContainer::removed(CView* parent)
{
    if (!isAttached())
        return false;
    for (CView* child : children)
        child->removed(this);
    mouseDownView = nullptr;
    return CView::removed(parent);
}

void CViewContainer::invalid()
{
    invalidRect(CRect(0, 0, size.getWidth(), size.getHeight()));
}

void CViewContainer::invalidRect(const CRect& rect)
{
    setDirty(true);
    if (!isAttached() || !isVisible() || !getParentView())
        return;
    CRect inParent(rect);
    inParent.offset(size.left, size.top).bound(size);
    if (!inParent.isEmpty())
        getParentView()->invalidRect(inParent);
}

} // namespace VSTGUI
