#include "ArtworkCanvas.h"

#include "toolkit/CFontDesc.h"

#include <cmath>

using namespace VSTGUI;

ArtworkCanvas::ArtworkCanvas(int width, int height)
    : w(width), h(height), image(PlatformBitmap::create(width, height)), cairo(cairo_create(image->getSurface()))
{}

ArtworkCanvas::~ArtworkCanvas()
{
    cairo_destroy(cairo);
}

void ArtworkCanvas::setColor(const CColor& c)
{
    cairo_set_source_rgba(cairo, c.red / 255.0, c.green / 255.0, c.blue / 255.0, c.alpha / 255.0);
}

void ArtworkCanvas::roundedRect(const CRect& r, double radius)
{
    radius = std::min(radius, std::min(r.getWidth(), r.getHeight()) / 2);
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, r.right - radius, r.top + radius, radius, -M_PI / 2, 0);
    cairo_arc(cairo, r.right - radius, r.bottom - radius, radius, 0, M_PI / 2);
    cairo_arc(cairo, r.left + radius, r.bottom - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cairo, r.left + radius, r.top + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cairo);
}

void ArtworkCanvas::fillRoundedRect(const CRect& r, double radius, const CColor& c)
{
    roundedRect(r, radius);
    setColor(c);
    cairo_fill(cairo);
}

void ArtworkCanvas::fillGradient(const CRect& r, double radius, const CColor& top, const CColor& bottom)
{
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, r.top, 0, r.bottom);
    cairo_pattern_add_color_stop_rgba(gradient, 0, top.red / 255.0, top.green / 255.0, top.blue / 255.0,
                                      top.alpha / 255.0);
    cairo_pattern_add_color_stop_rgba(gradient, 1, bottom.red / 255.0, bottom.green / 255.0, bottom.blue / 255.0,
                                      bottom.alpha / 255.0);
    roundedRect(r, radius);
    cairo_set_source(cairo, gradient);
    cairo_fill(cairo);
    cairo_pattern_destroy(gradient);
}

void ArtworkCanvas::strokeRoundedRect(const CRect& r, double radius, double lineWidth, const CColor& c)
{
    CRect inner(r);
    inner.inset(lineWidth / 2, lineWidth / 2);
    roundedRect(inner, radius);
    setColor(c);
    cairo_set_line_width(cairo, lineWidth);
    cairo_stroke(cairo);
}

void ArtworkCanvas::fillCircle(double cx, double cy, double radius, const CColor& c)
{
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, cx, cy, radius, 0, 2 * M_PI);
    setColor(c);
    cairo_fill(cairo);
}

void ArtworkCanvas::glow(double cx, double cy, double radius, const CColor& c)
{
    cairo_pattern_t* gradient = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(gradient, 0, c.red / 255.0, c.green / 255.0, c.blue / 255.0, c.alpha / 255.0);
    cairo_pattern_add_color_stop_rgba(gradient, 1, c.red / 255.0, c.green / 255.0, c.blue / 255.0, 0);
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, cx, cy, radius, 0, 2 * M_PI);
    cairo_set_source(cairo, gradient);
    cairo_fill(cairo);
    cairo_pattern_destroy(gradient);
}

void ArtworkCanvas::text(const std::string& s, const CRect& r, const std::string& family, double size, bool bold,
                         const CColor& c, CHoriTxtAlign align)
{
    auto* font = new CFontDesc(family, size, bold ? kBoldFace : kNormalFace);
    CDrawContext context(cairo, 1.0);
    context.setFont(font);
    context.setFontColor(c);
    context.drawString(s, r, align, true);
    font->forget();
}

std::string ArtworkCanvas::png()
{
    return image->encodePNG();
}
