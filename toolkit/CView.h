#pragma once

#include "CBaseObject.h"
#include "CButtonState.h"
#include "CRect.h"
#include "VstKeyCode.h"

namespace VSTGUI {

class CBitmap;
class CDrawContext;
class CFrame;
class CViewContainer;

// A rectangle of the editor that draws itself and may take mouse events. Its size is in the
// coordinates of its parent container.
class CView : public CBaseObject
{
public:
    explicit CView(const CRect& size);
    CView(const CView& other);
    ~CView() override;

    // A new view with the same settings; the caller owns its reference.
    virtual CView* newCopy() const { return new CView(*this); }

    // Draws the view; the base draws the background bitmap over the view.
    virtual void draw(CDrawContext* context);
    // Draws the part of the view inside updateRect (in parent coordinates).
    virtual void drawRect(CDrawContext* context, const CRect& updateRect);

    // Mouse positions arrive in parent coordinates.
    virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
    // 1 when the key was used, -1 when not.
    virtual int32_t onKeyDown(VstKeyCode& key);
    virtual bool hitTest(const CPoint& where, const CButtonState& buttons);

    // Called by the parent container when the view joins or leaves an attached tree (one that
    // reaches a frame). A view belongs to its parent from addView on, attached or not.
    virtual bool attached(CView* parent);
    virtual bool removed(CView* parent);
    bool isAttached() const { return attachedFlag; }
    CView* getParentView() const { return parentView; }
    virtual CFrame* getFrame() const;

    const CRect& getViewSize() const { return size; }
    virtual void setViewSize(const CRect& rect, bool invalidate = true);
    CCoord getWidth() const { return size.getWidth(); }
    CCoord getHeight() const { return size.getHeight(); }

    void setMouseEnabled(bool enabled) { mouseEnabled = enabled; }
    bool getMouseEnabled() const { return mouseEnabled; }
    virtual void setVisible(bool visible);
    bool isVisible() const { return visibleFlag; }
    void setDirty(bool dirty = true) { dirtyFlag = dirty; }
    bool isDirty() const { return dirtyFlag; }

    // Asks for a redraw of the whole view.
    virtual void invalid();
    // Asks for a redraw of rect, given in parent coordinates.
    virtual void invalidRect(const CRect& rect);

    // The view keeps its own reference to the bitmap.
    virtual void setBackground(CBitmap* background);
    CBitmap* getBackground() const { return background; }

protected:
    CRect size;

private:
    friend class CViewContainer; // sets the parent when it adds or removes the view

    CView* parentView = nullptr;
    CBitmap* background = nullptr;
    bool attachedFlag = false;
    bool mouseEnabled = true;
    bool visibleFlag = true;
    bool dirtyFlag = false;
};

} // namespace VSTGUI
