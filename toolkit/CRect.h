#pragma once

#include "CPoint.h"

#include <algorithm>

namespace VSTGUI {

// A rectangle given by its edges; right and bottom lie just outside it.
struct CRect
{
    CCoord left = 0;
    CCoord top = 0;
    CCoord right = 0;
    CCoord bottom = 0;

    CRect() = default;
    CRect(CCoord l, CCoord t, CCoord r, CCoord b) : left(l), top(t), right(r), bottom(b) {}
    CRect(const CPoint& origin, const CPoint& size)
        : left(origin.x), top(origin.y), right(origin.x + size.x), bottom(origin.y + size.y)
    {}

    CCoord getWidth() const { return right - left; }
    CCoord getHeight() const { return bottom - top; }
    CPoint getTopLeft() const { return {left, top}; }
    CPoint getSize() const { return {getWidth(), getHeight()}; }
    bool isEmpty() const { return right <= left || bottom <= top; }

    CRect& setWidth(CCoord w)
    {
        right = left + w;
        return *this;
    }
    CRect& setHeight(CCoord h)
    {
        bottom = top + h;
        return *this;
    }
    CRect& offset(CCoord dx, CCoord dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    CRect& moveTo(CCoord x, CCoord y) { return offset(x - left, y - top); }
    CRect& inset(CCoord dx, CCoord dy)
    {
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
        return *this;
    }
    CRect& scale(double factor)
    {
        left *= factor;
        top *= factor;
        right *= factor;
        bottom *= factor;
        return *this;
    }

    bool pointInside(const CPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool rectOverlap(const CRect& r) const
    {
        return r.left < right && r.right > left && r.top < bottom && r.bottom > top;
    }

    // Shrinks this rectangle to its intersection with r (empty when they do not meet).
    CRect& bound(const CRect& r)
    {
        left = std::max(left, r.left);
        top = std::max(top, r.top);
        right = std::max(left, std::min(right, r.right));
        bottom = std::max(top, std::min(bottom, r.bottom));
        return *this;
    }
    CRect& unite(const CRect& r)
    {
        if (r.isEmpty())
            return *this;
        if (isEmpty())
            return *this = r;
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right);
        bottom = std::max(bottom, r.bottom);
        return *this;
    }

    bool operator==(const CRect& r) const
    {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }
    bool operator!=(const CRect& r) const { return !(*this == r); }
};

} // namespace VSTGUI
