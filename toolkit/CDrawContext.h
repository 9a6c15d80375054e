#pragma once

#include "CColor.h"
#include "CRect.h"

#include <string>

typedef struct _cairo cairo_t;

namespace VSTGUI {

class CBitmap;
class CFontDesc;

enum CDrawStyle
{
    kDrawStroked = 0,
    kDrawFilled,
    kDrawFilledAndStroked,
};

enum CHoriTxtAlign
{
    kLeftText = 0,
    kCenterText,
    kRightText,
};

// Drawing on a cairo context. Views draw in points; the frame's zoom is a transform the context
// already carries, which getScaleFactor reports so bitmaps can choose their best variant.
class CDrawContext
{
public:
    CDrawContext(cairo_t* cairo, double scaleFactor);
    ~CDrawContext();
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;

    cairo_t* getCairo() const { return cairo; }
    double getScaleFactor() const { return scaleFactor; }

    // Save and restore the clip, the transform, the colours, the font and the global alpha.
    void saveGlobalState();
    void restoreGlobalState();

    void translate(CCoord dx, CCoord dy);
    void scale(double factor);
    // Narrows the clip to rect (in current coordinates).
    void setClipRect(const CRect& rect);
    CRect getClipRect() const;

    void setFillColor(const CColor& color);
    void setFrameColor(const CColor& color);
    void setFontColor(const CColor& color);
    void setLineWidth(CCoord width);
    void setFont(CFontDesc* font);
    void setGlobalAlpha(float alpha);
    float getGlobalAlpha() const;

    void drawRect(const CRect& rect, CDrawStyle style = kDrawStroked);
    // Copies the part of the bitmap that starts at offset into dest, faded by alpha (0 draws nothing).
    void drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset = CPoint(0, 0), float alpha = 1.f);
    // One line of text in the current font and font colour, centred vertically in rect.
    void drawString(const std::string& text, const CRect& rect, CHoriTxtAlign align = kCenterText,
                    bool antialias = true);
    CCoord getStringWidth(const std::string& text);

private:
    struct State;
    bool applyFont();
    void setSource(const CColor& color);

    cairo_t* cairo;
    double scaleFactor;
    State* state;
};

} // namespace VSTGUI
