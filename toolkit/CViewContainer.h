#pragma once

#include "CColor.h"
#include "CView.h"

#include <vector>

namespace VSTGUI {

// A view that holds child views, drawn in order, the last on top. Children's sizes are relative to
// the container's top-left corner. The container owns one reference of each child.
class CViewContainer : public CView
{
public:
    explicit CViewContainer(const CRect& size);
    ~CViewContainer() override;

    // Takes over the caller's reference: the caller must not forget the view afterwards. A view that
    // already has a parent is refused (false), and the caller keeps its reference; so it does when
    // adding throws, and the view is not added.
    virtual bool addView(CView* view);
    // Releases the container's reference when withForget is true.
    virtual bool removeView(CView* view, bool withForget = true);
    virtual bool removeAll(bool withForget = true);
    bool isChild(CView* view) const;
    size_t getNbViews() const { return children.size(); }
    CView* getView(size_t index) const { return index < children.size() ? children[index] : nullptr; }

    void setBackgroundColor(const CColor& color);
    const CColor& getBackgroundColor() const { return backgroundColor; }
    // A transparent container draws neither its background colour nor its background bitmap.
    void setTransparency(bool transparent);
    bool getTransparency() const { return transparent; }

    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    // The topmost visible, mouse-enabled child under the point gets the press; a child that wants
    // them then gets the moves and the release, wherever the mouse goes.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& key) override;

    bool attached(CView* parent) override;
    bool removed(CView* parent) override;

    void invalid() override;
    // rect is in the container's own coordinates.
    void invalidRect(const CRect& rect) override;

protected:
    // Draws the background over bounds and the children that meet updateRect (both in container
    // coordinates).
    void drawContents(CDrawContext* context, const CRect& bounds, const CRect& updateRect);
    CView* findMouseTarget(const CPoint& local, const CButtonState& buttons) const;
    // Presses the child, kept alive across the call; a child that wants the rest of the gesture and
    // is still a child afterwards gets the moves and the release.
    CMouseEventResult pressChild(CView* child, CPoint& local, const CButtonState& buttons);

    CView* mouseDownView = nullptr;

private:
    std::vector<CView*> children;
    CColor backgroundColor = kBlackCColor;
    bool transparent = false;
};

} // namespace VSTGUI
