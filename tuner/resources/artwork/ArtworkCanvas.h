#pragma once

#include "toolkit/CColor.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/CRect.h"
#include "toolkit/PlatformBitmap.h"

#include <cairo.h>
#include <string>

// A cairo image being painted, with the few shapes the pedal's artwork is made of.
class ArtworkCanvas
{
public:
    ArtworkCanvas(int width, int height);
    ~ArtworkCanvas();
    ArtworkCanvas(const ArtworkCanvas&) = delete;
    ArtworkCanvas& operator=(const ArtworkCanvas&) = delete;

    cairo_t* cr() const { return cairo; }
    int width() const { return w; }
    int height() const { return h; }

    void setColor(const VSTGUI::CColor& c);
    void roundedRect(const VSTGUI::CRect& r, double radius);
    void fillRoundedRect(const VSTGUI::CRect& r, double radius, const VSTGUI::CColor& c);
    // A vertical two-colour gradient in a rounded rectangle.
    void fillGradient(const VSTGUI::CRect& r, double radius, const VSTGUI::CColor& top, const VSTGUI::CColor& bottom);
    void strokeRoundedRect(const VSTGUI::CRect& r, double radius, double lineWidth, const VSTGUI::CColor& c);
    void fillCircle(double cx, double cy, double radius, const VSTGUI::CColor& c);
    // A soft glow around a point: colour at the centre fading to transparent at radius.
    void glow(double cx, double cy, double radius, const VSTGUI::CColor& c);
    // Text in a fontconfig family, centred vertically in r.
    void text(const std::string& s, const VSTGUI::CRect& r, const std::string& family, double size, bool bold,
              const VSTGUI::CColor& c, VSTGUI::CHoriTxtAlign align = VSTGUI::kCenterText);

    // The painted image as PNG bytes.
    std::string png();

private:
    int w;
    int h;
    VSTGUI::PlatformBitmapPtr image;
    cairo_t* cairo;
};
