#include "Artwork.h"
#include "ArtworkCanvas.h"
#include "ArtworkStyle.h"
#include "tuner/resources/LedMatrixLayout.h"

#include <cmath>

using namespace ArtworkStyle;
using VSTGUI::CRect;

namespace Artwork {

namespace {

void screw(ArtworkCanvas& c, double x, double y)
{
    c.fillCircle(x, y, 4.5, kFaceEdge);
    c.fillCircle(x, y, 3.6, CColor(120, 123, 128));
    c.setColor(CColor(40, 41, 44));
    cairo_set_line_width(c.cr(), 1.2);
    cairo_move_to(c.cr(), x - 2.6, y + 1.2);
    cairo_line_to(c.cr(), x + 2.6, y - 1.2);
    cairo_stroke(c.cr());
}

// The pedal's painted metal face: a dark enclosure, a bevelled plate and two screws.
void pedalFace(ArtworkCanvas& c)
{
    CRect all(0, 0, c.width(), c.height());
    c.setColor(kFaceEdge);
    cairo_paint(c.cr());
    CRect plate(all);
    plate.inset(2, 2);
    c.fillGradient(plate, 8, kBevel, kFaceBottom);
    plate.inset(1.5, 1.5);
    c.fillGradient(plate, 7, kFaceTop, kFaceBottom);
    screw(c, 12, c.height() - 12);
    screw(c, c.width() - 12, c.height() - 12);
}

// A recessed window: a dark glass with a thin light rim below and a shadow above.
void recess(ArtworkCanvas& c, const CRect& r, double radius)
{
    CRect rim(r);
    rim.inset(-1.5, -1.5);
    c.fillGradient(rim, radius + 1.5, CColor(8, 8, 9), CColor(96, 99, 106));
    c.fillRoundedRect(r, radius, kPanel);
}

void unlitLed(ArtworkCanvas& c, const LedMatrixLayout::LedPosition& p)
{
    double cx = p.x + kLedSize / 2.0;
    double cy = p.y + kLedSize / 2.0;
    c.fillCircle(cx, cy, 4.6, kUnlitLedRim);
    c.fillCircle(cx, cy, 3.8, kUnlitLed);
    c.fillCircle(cx - 1.2, cy - 1.2, 1.1, CColor(78, 78, 82));
}

void logo(ArtworkCanvas& c, const CRect& r, double size)
{
    c.text("VIRENO", r, kSans, size, true, kAccent);
}

void scaleCaptions(ArtworkCanvas& c)
{
    const struct
    {
        int column;
        const char* text;
    } marks[] = {{1, "-50"}, {5, "-25"}, {9, "0"}, {13, "+25"}, {17, "+50"}};
    double centreX = 142 + LedMatrixLayout::kDisplayOriginX + LedMatrixLayout::kDisplayLeft;
    double centreY = 350 + LedMatrixLayout::kDisplayOriginY + LedMatrixLayout::kDisplayTop;
    for (const auto& mark : marks)
    {
        double a = LedMatrixLayout::columnAngle(mark.column);
        double x = centreX + std::sin(a) * 351;
        double y = centreY - std::cos(a) * 351;
        c.text(mark.text, CRect(x - 14, y - 6, x + 14, y + 6), kSans, 8, true, kDimCaption);
    }
}

} // namespace

std::string mainFace()
{
    ArtworkCanvas c(kFaceWidth, kFaceHeight);
    pedalFace(c);

    // The LED display window with every LED of the arc and of the note block, unlit.
    recess(c, CRect(6, 10, 304, 202), 6);
    scaleCaptions(c);
    for (int row = 1; row <= LedMatrixLayout::kArcRows; ++row)
        for (int column = 1; column <= LedMatrixLayout::kArcColumns; ++column)
            unlitLed(c, LedMatrixLayout::arcLed(row, column, kLedSize, kLedSize));
    for (int dot = 0; dot < LedMatrixLayout::kNoteDots; ++dot)
        unlitLed(c, LedMatrixLayout::noteDot(dot));
    c.text("NOTE", CRect(118, 180, 176, 192), kSans, 8, true, kDimCaption);

    // Below the window: captions of the tuning and reference read-outs.
    c.text("DROP TUNING", CRect(150, 215, 269, 229), kSans, 9, true, kCaption, VSTGUI::kRightText);
    c.text("REFERENCE", CRect(150, 231, 249, 245), kSans, 9, true, kCaption, VSTGUI::kRightText);

    // The right-hand column: logo, settings key (a bitmap), mute footswitch (a bitmap), maker.
    logo(c, CRect(312, 4, 448, 30), 21);
    c.text("CHROMATIC TUNER", CRect(312, 62, 452, 76), kSans, 9, true, kDimCaption);
    c.text("MUTE", CRect(344, 174, 420, 188), kSans, 10, true, kCaption);
    c.fillRoundedRect(CRect(318, 216, 436, 217), 0.5, CColor(70, 72, 78));
    c.text("HALVARD SONICS", CRect(315, 220, 438, 238), kSans, 9, true, kDimCaption);
    return c.png();
}

std::string settingsPage()
{
    ArtworkCanvas c(kFaceWidth, kFaceHeight);
    pedalFace(c);
    c.text("SETTINGS", CRect(18, 12, 200, 40), kSans, 16, true, kCaption, VSTGUI::kLeftText);
    logo(c, CRect(312, 12, 440, 40), 18);
    c.fillRoundedRect(CRect(14, 50, 438, 51), 0.5, CColor(70, 72, 78));

    // The tray behind the radio rows, and the rows' names beside it.
    recess(c, CRect(147, 70, 447, 204), 5);
    const struct
    {
        double y;
        const char* label;
    } rows[] = {{76, "Select Instrument"},
                {102, "Display Mode"},
                {128, "Drop Tuning"},
                {155, "Reference Frequency (Hz)"},
                {180, "Color Set"}};
    for (const auto& row : rows)
        c.text(row.label, CRect(8, row.y, 141, row.y + kRadioHeight), kNarrow, 12, true, kCaption, VSTGUI::kRightText);

    c.text("CLOSE", CRect(340, 237, 414, 265), kSans, 10, true, kDimCaption, VSTGUI::kRightText);
    return c.png();
}

std::string aboutPage()
{
    ArtworkCanvas c(kFaceWidth, kFaceHeight);
    pedalFace(c);
    logo(c, CRect(0, 16, kFaceWidth, 64), 36);
    // 75..95 stays clear: the about view writes the version there.
    c.text("Guitar & Bass Tuner", CRect(0, 102, kFaceWidth, 120), kSans, 13, false, kCaption);

    // A needle at rest in the middle of a short LED arc.
    recess(c, CRect(126, 132, 326, 172), 5);
    for (int i = 0; i < 13; ++i)
    {
        double x = 140 + i * 14.3;
        double y = 148 + std::pow(std::fabs(i - 6) / 6.0, 2) * 8;
        bool centre = i == 6;
        if (i >= 5 && i <= 7)
        {
            CColor colour = centre ? kGreen : kRed;
            c.glow(x, y, 7, CColor(colour.red, colour.green, colour.blue, centre ? 170 : 70));
            c.fillCircle(x, y, 4.2, CColor(colour.red, colour.green, colour.blue, centre ? 255 : 110));
        }
        else
        {
            c.fillCircle(x, y, 4.6, kUnlitLedRim);
            c.fillCircle(x, y, 3.8, kUnlitLed);
        }
    }

    c.text("Halvard Sonics", CRect(0, 186, kFaceWidth, 204), kSans, 12, true, kCaption);
    c.text("Click anywhere to close", CRect(0, 232, kFaceWidth, 248), kSans, 9, false, kDimCaption);
    return c.png();
}

} // namespace Artwork
