#include "CDrawContext.h"

#include "CBitmap.h"
#include "CFontDesc.h"

#include <cairo.h>
#include <vector>

namespace VSTGUI {

struct CDrawContext::State
{
    struct Values
    {
        CColor fillColor = kWhiteCColor;
        CColor frameColor = kBlackCColor;
        CColor fontColor = kBlackCColor;
        CCoord lineWidth = 1;
        CFontDesc* font = nullptr;
        float globalAlpha = 1.f;
    };
    Values current;
    std::vector<Values> saved;

    ~State()
    {
        if (current.font)
            current.font->forget();
        for (auto& v : saved)
            if (v.font)
                v.font->forget();
    }
};

CDrawContext::CDrawContext(cairo_t* cairo, double scaleFactor)
    : cairo(cairo_reference(cairo)), scaleFactor(scaleFactor), state(new State)
{}

CDrawContext::~CDrawContext()
{
    delete state;
    cairo_destroy(cairo);
}

void CDrawContext::saveGlobalState()
{
    cairo_save(cairo);
    state->saved.push_back(state->current);
    if (state->current.font)
        state->current.font->remember();
}

void CDrawContext::restoreGlobalState()
{
    if (state->saved.empty())
        return;
    cairo_restore(cairo);
    if (state->current.font)
        state->current.font->forget();
    state->current = state->saved.back();
    state->saved.pop_back();
}

void CDrawContext::translate(CCoord dx, CCoord dy)
{
    cairo_translate(cairo, dx, dy);
}

void CDrawContext::scale(double factor)
{
    cairo_scale(cairo, factor, factor);
}

void CDrawContext::setClipRect(const CRect& rect)
{
    cairo_rectangle(cairo, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    cairo_clip(cairo);
}

CRect CDrawContext::getClipRect() const
{
    double x1, y1, x2, y2;
    cairo_clip_extents(cairo, &x1, &y1, &x2, &y2);
    return CRect(x1, y1, x2, y2);
}

void CDrawContext::setFillColor(const CColor& color)
{
    state->current.fillColor = color;
}

void CDrawContext::setFrameColor(const CColor& color)
{
    state->current.frameColor = color;
}

void CDrawContext::setFontColor(const CColor& color)
{
    state->current.fontColor = color;
}

void CDrawContext::setLineWidth(CCoord width)
{
    state->current.lineWidth = width;
}

void CDrawContext::setFont(CFontDesc* font)
{
    if (font)
        font->remember();
    if (state->current.font)
        state->current.font->forget();
    state->current.font = font;
}

void CDrawContext::setGlobalAlpha(float alpha)
{
    state->current.globalAlpha = alpha;
}

float CDrawContext::getGlobalAlpha() const
{
    return state->current.globalAlpha;
}

void CDrawContext::setSource(const CColor& color)
{
    cairo_set_source_rgba(cairo, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                          color.alpha / 255.0 * state->current.globalAlpha);
}

void CDrawContext::drawRect(const CRect& rect, CDrawStyle style)
{
    if (style != kDrawStroked)
    {
        setSource(state->current.fillColor);
        cairo_rectangle(cairo, rect.left, rect.top, rect.getWidth(), rect.getHeight());
        cairo_fill(cairo);
    }
    if (style != kDrawFilled)
    {
        // Half a line inside the edges, so a one-point frame covers whole pixels at zoom 1.
        CCoord half = state->current.lineWidth / 2;
        setSource(state->current.frameColor);
        cairo_set_line_width(cairo, state->current.lineWidth);
        cairo_rectangle(cairo, rect.left + half, rect.top + half, rect.getWidth() - 2 * half,
                        rect.getHeight() - 2 * half);
        cairo_stroke(cairo);
    }
}

void CDrawContext::drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset, float alpha)
{
    float total = alpha * state->current.globalAlpha;
    if (!bitmap || total <= 0.f || dest.isEmpty())
        return;
    PlatformBitmapPtr pixels = bitmap->getBestPlatformBitmapForScaleFactor(scaleFactor);
    if (!pixels)
        return;
    double pixelScale = pixels->getScaleFactor();
    cairo_save(cairo);
    cairo_rectangle(cairo, dest.left, dest.top, dest.getWidth(), dest.getHeight());
    cairo_clip(cairo);
    cairo_translate(cairo, dest.left - offset.x, dest.top - offset.y);
    cairo_scale(cairo, 1.0 / pixelScale, 1.0 / pixelScale);
    cairo_set_source_surface(cairo, pixels->getSurface(), 0, 0);
    cairo_paint_with_alpha(cairo, total);
    cairo_restore(cairo);
}

bool CDrawContext::applyFont()
{
    CFontDesc* font = state->current.font;
    if (!font || !font->getCairoFace())
        return false;
    cairo_set_font_face(cairo, font->getCairoFace());
    cairo_set_font_size(cairo, font->getSize());
    return true;
}

CCoord CDrawContext::getStringWidth(const std::string& text)
{
    if (!applyFont())
        return 0;
    cairo_text_extents_t extents;
    cairo_text_extents(cairo, text.c_str(), &extents);
    return extents.x_advance;
}

void CDrawContext::drawString(const std::string& text, const CRect& rect, CHoriTxtAlign align, bool antialias)
{
    if (text.empty() || !applyFont())
        return;
    cairo_save(cairo);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cairo, options);
    cairo_font_options_destroy(options);

    cairo_text_extents_t extents;
    cairo_text_extents(cairo, text.c_str(), &extents);
    cairo_font_extents_t font;
    cairo_font_extents(cairo, &font);
    CCoord x = rect.left;
    if (align == kCenterText)
        x = rect.left + (rect.getWidth() - extents.x_advance) / 2;
    else if (align == kRightText)
        x = rect.right - extents.x_advance;
    // Centre the font's ascent and descent, not the glyphs' ink, so lines of different text align.
    CCoord baseline = rect.top + (rect.getHeight() + font.ascent - font.descent) / 2;

    cairo_rectangle(cairo, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    cairo_clip(cairo);
    setSource(state->current.fontColor);
    cairo_move_to(cairo, x, baseline);
    cairo_show_text(cairo, text.c_str());
    cairo_restore(cairo);
}

} // namespace VSTGUI
