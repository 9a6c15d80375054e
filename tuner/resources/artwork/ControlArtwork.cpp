#include "Artwork.h"
#include "ArtworkCanvas.h"
#include "ArtworkStyle.h"

#include <cmath>

using namespace ArtworkStyle;
using VSTGUI::CRect;

namespace Artwork {

namespace {

// A raised key: a rounded plate with a light top edge; lit keys glow amber.
void key(ArtworkCanvas& c, const CRect& r, bool lit)
{
    c.fillRoundedRect(r, 4, kButtonEdge);
    CRect plate(r);
    plate.inset(1, 1);
    if (lit)
    {
        c.glow((plate.left + plate.right) / 2, (plate.top + plate.bottom) / 2, plate.getWidth() * 0.6,
               CColor(255, 170, 40, 90));
        c.fillGradient(plate, 3, kLitTop, kLitBottom);
    }
    else
        c.fillGradient(plate, 3, kButtonTop, kButtonBottom);
    CRect highlight(plate.left + 2, plate.top, plate.right - 2, plate.top + 1);
    c.fillRoundedRect(highlight, 0.5, lit ? CColor(255, 236, 190, 200) : CColor(120, 124, 132, 160));
}

} // namespace

std::string muteButton()
{
    ArtworkCanvas c(kMuteSize, 2 * kMuteSize);
    for (int state = 0; state < 2; ++state)
    {
        double top = state * kMuteSize;
        double cx = kMuteSize / 2.0;
        double cy = top + kMuteSize / 2.0 + 4;
        // A round metal footswitch in its hex nut, with the mute LED above it.
        c.fillCircle(cx, cy, 29, kButtonEdge);
        c.fillCircle(cx, cy, 27, CColor(60, 62, 66));
        cairo_pattern_t* metal = cairo_pattern_create_radial(cx - 7, cy - 9, 2, cx, cy, 24);
        cairo_pattern_add_color_stop_rgb(metal, 0, 0.95, 0.96, 0.97);
        cairo_pattern_add_color_stop_rgb(metal, 0.55, 0.66, 0.68, 0.71);
        cairo_pattern_add_color_stop_rgb(metal, 1, 0.36, 0.37, 0.40);
        cairo_new_sub_path(c.cr());
        cairo_arc(c.cr(), cx, cy, state ? 21 : 22, 0, 2 * M_PI);
        cairo_set_source(c.cr(), metal);
        cairo_fill(c.cr());
        cairo_pattern_destroy(metal);
        c.fillCircle(cx, cy, 9, CColor(150, 153, 158, state ? 120 : 70));
        double ledY = top + 7;
        if (state)
        {
            c.glow(cx, ledY, 8, CColor(255, 40, 30, 200));
            c.fillCircle(cx, ledY, 3.5, kRed);
            c.fillCircle(cx - 1, ledY - 1, 1.2, CColor(255, 200, 190));
        }
        else
        {
            c.fillCircle(cx, ledY, 4, kUnlitLedRim);
            c.fillCircle(cx, ledY, 3.2, CColor(70, 24, 22));
        }
    }
    return c.png();
}

std::string settingsButton()
{
    ArtworkCanvas c(kSettingsWidth, 2 * kSettingsHeight);
    for (int state = 0; state < 2; ++state)
    {
        CRect r(0, state * kSettingsHeight, kSettingsWidth, (state + 1) * kSettingsHeight);
        key(c, r, state == 1);
        c.text("SETTINGS", r, kSans, 11, true, state ? kLitText : kButtonText);
    }
    return c.png();
}

std::string closeButton()
{
    ArtworkCanvas c(kCloseSize, 2 * kCloseSize);
    for (int state = 0; state < 2; ++state)
    {
        CRect r(0, state * kCloseSize, kCloseSize, (state + 1) * kCloseSize);
        key(c, r, state == 1);
        double m = 9;
        c.setColor(state ? kLitText : kButtonText);
        cairo_set_line_width(c.cr(), 2.5);
        cairo_set_line_cap(c.cr(), CAIRO_LINE_CAP_ROUND);
        cairo_move_to(c.cr(), r.left + m, r.top + m);
        cairo_line_to(c.cr(), r.right - m, r.bottom - m);
        cairo_move_to(c.cr(), r.right - m, r.top + m);
        cairo_line_to(c.cr(), r.left + m, r.bottom - m);
        cairo_stroke(c.cr());
    }
    return c.png();
}

std::string radioButton(const std::string& label, int width, const std::vector<VSTGUI::CColor>& swatches)
{
    ArtworkCanvas c(width, 2 * kRadioHeight);
    for (int state = 0; state < 2; ++state)
    {
        CRect r(0, state * kRadioHeight, width, (state + 1) * kRadioHeight);
        key(c, r, state == 1);
        CRect textArea(r);
        if (!swatches.empty())
        {
            // Small lit dots of the colour set before the name.
            double x = r.left + 9;
            for (const auto& swatch : swatches)
            {
                c.fillCircle(x, r.top + kRadioHeight / 2.0, 4, kButtonEdge);
                c.fillCircle(x, r.top + kRadioHeight / 2.0, 3, swatch);
                x += 9;
            }
            textArea.left = x - 2;
        }
        bool narrow = width < 24;
        c.text(label, textArea, narrow ? kNarrow : kSans, narrow ? 10 : 11, true, state ? kLitText : kButtonText);
    }
    return c.png();
}

std::string indicator(const std::vector<std::string>& labels, int width)
{
    ArtworkCanvas c(width, static_cast<int>(labels.size()) * kIndicatorImageHeight);
    for (size_t i = 0; i < labels.size(); ++i)
    {
        CRect r(0, i * kIndicatorImageHeight, width, (i + 1) * kIndicatorImageHeight);
        // A small lit read-out window.
        c.fillRoundedRect(r, 2, kPanelEdge);
        CRect window(r);
        window.inset(1, 1);
        c.fillRoundedRect(window, 1.5, kPanel);
        c.text(labels[i], window, kSans, 10, true, kAccent);
    }
    return c.png();
}

std::string led(const VSTGUI::CColor& colour)
{
    ArtworkCanvas c(kLedSize, kLedSize);
    double centre = kLedSize / 2.0;
    // Glow, lens and a hot white core: drawn with an alpha, it fades like a dimmed LED.
    c.glow(centre, centre, centre, CColor(colour.red, colour.green, colour.blue, 150));
    c.fillCircle(centre, centre, 4.2, colour);
    c.glow(centre - 0.6, centre - 0.6, 3.2, CColor(255, 255, 255, 210));
    return c.png();
}

} // namespace Artwork
