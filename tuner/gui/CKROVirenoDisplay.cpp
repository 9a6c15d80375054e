#include "CKROVirenoDisplay.h"

#include "toolkit/CBitmap.h"
#include "LedCurve.h"
#include "tuner/engine/TunerDisplayScale.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

namespace {

constexpr int kCentreRow = 3;
constexpr int kCentreColumn = 9;

// The needle moves one column per 5.5555553 cents (the arc's 17 columns span +-44.4 cents).
constexpr float kCentsPerColumn = 5.5555553f;

// The in-tune marks: the left five columns while the needle is at or just flat of the centre,
// the right five at or just sharp of it, both within +-2.5 cents.
constexpr float kMarksBoth = 0.05f;
constexpr float kMarksOne = 0.15f;
constexpr int kMarkColumns = 5;
constexpr float kLeftMarks[kMarkColumns] = {1.f, 1.f, 0.75f, 0.5f, 0.25f};  // columns 1..5
constexpr float kRightMarks[kMarkColumns] = {0.25f, 0.5f, 0.75f, 1.f, 1.f}; // columns 13..17
constexpr int kFirstRightMark = LedMatrixLayout::kArcColumns - kMarkColumns + 1;

// The strobe band by (column + whole phase) mod 10: five LEDs wide with half-bright edges.
constexpr float kStrobePeriod = 10.f;
constexpr float kStrobeBand[10] = {0.5f, 0.f, 0.f, 0.f, 0.f, 0.5f, 1.f, 1.f, 1.f, 1.f};

// A string's bar: each row one quarter of the bar's range (25 cents) above the next.
constexpr int kColumnsPerString = 3;
constexpr float kCentsPerRow = 25.f;

// The note letter (dots 0..15 and 20..23) and the sharp sign (dots 16..19), one mask per note.
constexpr int kNoteCount = 12;
constexpr const char* kNoteMasks[kNoteCount] = {
    "011101011011000100000000", // C
    "011101011011000111110000", // C#
    "111111011010111000000000", // D
    "111111011010111011110000", // D#
    "111111111111000100000000", // E
    "111111101101000000000000", // F
    "111111101101000011110000", // F#
    "011101011111011100000000", // G
    "011101011111011111110000", // G#
    "011111101100111100000000", // A
    "011111101100111111110000", // A#
    "111111111110101000000000", // B
};

constexpr float kPolyphonicFlag = 0.5f;
// A six-string reading is shown only while no single note drives the arc.
constexpr float kPolyphonicLevelAtMost = 0.1f;

// An LED's offset from the view's corner, in single precision; the corner is added in double when
// drawing, so the view may sit anywhere.
CPoint fromViewCorner(const LedMatrixLayout::LedPosition& fromOrigin)
{
    return CPoint(static_cast<float>(fromOrigin.x + LedMatrixLayout::kDisplayOriginX),
                  static_cast<float>(fromOrigin.y + LedMatrixLayout::kDisplayOriginY));
}

} // namespace

CKROVirenoDisplay::CKROVirenoDisplay(const CRect& size, const LedBitmaps& leds)
    : CView(size), leds(leds), centreLed(leds[1]), outerLed(leds[0])
{
    // Every LED is placed and sized by bitmap 161; the others are drawn into the same rectangle.
    int width = leds[0] ? static_cast<int>(leds[0]->getWidth()) : 0;
    int height = leds[0] ? static_cast<int>(leds[0]->getHeight()) : 0;
    ledSize = CRect(0, 0, width, height);
    for (int row = 1; row <= LedMatrixLayout::kArcRows; ++row)
        for (int column = 1; column <= LedMatrixLayout::kArcColumns; ++column)
            arcCorners[row - 1][column - 1] =
                fromViewCorner(LedMatrixLayout::arcLedFromOrigin(row, column, width, height));
    for (int dot = 0; dot < LedMatrixLayout::kNoteDots; ++dot)
        dotCorners[dot] = fromViewCorner(LedMatrixLayout::noteDotFromOrigin(dot));
}

void CKROVirenoDisplay::setDisplayMode(int mode)
{
    if (mode == displayMode)
        return;
    displayMode = mode;
    invalid();
}

void CKROVirenoDisplay::setColourSet(int colourSet)
{
    CBitmap* outer = colourSet == 1 ? leds[2] : leds[0];
    CBitmap* centre = colourSet == 1 ? leds[3] : leds[1];
    if (outer == outerLed && centre == centreLed)
        return;
    outerLed = outer;
    centreLed = centre;
    invalid();
}

void CKROVirenoDisplay::draw(CDrawContext* context)
{
    if (CBitmap* background = getBackground())
        background->draw(context, size, CPoint(0, 0), 1.f);
    advanceStrobe();

    bool polyphonic = reading.polyphonicFlag >= kPolyphonicFlag && reading.notePresentArc <= kPolyphonicLevelAtMost;
    for (int row = 1; row <= LedMatrixLayout::kArcRows; ++row)
    {
        for (int column = 1; column <= LedMatrixLayout::kArcColumns; ++column)
        {
            CRect rect = ledRect(arcCorners[row - 1][column - 1]);
            if (polyphonic)
                drawStringLed(context, rect, row, column);
            else if (displayMode != kStrobeMode)
            {
                drawNeedleLed(context, rect, row, column);
                if (row == kCentreRow)
                    drawInTuneMark(context, rect, column);
            }
            else if (row == kCentreRow)
                drawStrobeLed(context, rect, column);
        }
    }
    drawNoteName(context);
    setDirty(false);
}

void CKROVirenoDisplay::advanceStrobe()
{
    // Worked in double so that even a speed near the float range gives a finite step. A speed
    // that is not finite leaves the band where it is: its phase would be lost for good.
    double next = std::fmod(strobePhase - 2.0 * reading.strobeSpeed, static_cast<double>(kStrobePeriod));
    if (!std::isfinite(next))
        return;
    if (next < 0)
        next += kStrobePeriod;
    float phase = static_cast<float>(next);
    // A phase just below the period can round up to it in single precision.
    strobePhase = phase < kStrobePeriod ? phase : 0.f;
}

CRect CKROVirenoDisplay::ledRect(const CPoint& fromCorner) const
{
    CCoord x = fromCorner.x + size.left;
    CCoord y = fromCorner.y + size.top;
    return CRect(x + ledSize.left, y + ledSize.top, x + ledSize.right, y + ledSize.bottom);
}

void CKROVirenoDisplay::drawLed(CDrawContext* context, CBitmap* bitmap, const CRect& rect, float alpha) const
{
    // An unlit LED is not drawn at all; nor is one whose brightness came from a broken reading.
    if (bitmap && alpha > 0.f && std::isfinite(alpha))
        bitmap->draw(context, rect, CPoint(0, 0), alpha);
}

void CKROVirenoDisplay::drawNeedleLed(CDrawContext* context, const CRect& rect, int row, int column) const
{
    float cents = reading.needleDeviation * kTunerCentsPerUnit + (column - kCentreColumn) * kCentsPerColumn;
    float alpha = reading.notePresentArc * LedCurve(cents / kCentsPerColumn);
    bool centre = column == kCentreColumn || row == kCentreRow;
    drawLed(context, centre ? centreLed : outerLed, rect, alpha);
}

void CKROVirenoDisplay::drawInTuneMark(CDrawContext* context, const CRect& rect, int column) const
{
    float d = reading.needleDeviation;
    bool left = d >= -kMarksBoth && d < kMarksOne;
    bool right = d > -kMarksOne && d <= kMarksBoth;
    if (left && column <= kMarkColumns)
        drawLed(context, centreLed, rect, kLeftMarks[column - 1] * reading.inTune);
    if (right && column >= kFirstRightMark)
        drawLed(context, centreLed, rect, kRightMarks[column - kFirstRightMark] * reading.inTune);
}

void CKROVirenoDisplay::drawStringLed(CDrawContext* context, const CRect& rect, int row, int column) const
{
    // Every third column is the gap between two strings' bars.
    if (column % kColumnsPerString == 0)
        return;
    int string = column / kColumnsPerString;
    float cents = reading.stringDeviation[string] * kTunerCentsPerUnit;
    // std::clamp passes a NaN level through, and drawLed then leaves the LED dark.
    float level = std::clamp(reading.stringPresence[string], 0.f, 1.f);
    float alpha = level * LedCurve((cents + (row - kCentreRow) * kCentsPerRow) / kCentsPerRow);
    drawLed(context, row == kCentreRow ? centreLed : outerLed, rect, alpha);
}

void CKROVirenoDisplay::drawStrobeLed(CDrawContext* context, const CRect& rect, int column) const
{
    // The phase is in [0, 10), so the sum stays within 1..26.
    int k = column + static_cast<int>(strobePhase);
    drawLed(context, centreLed, rect, kStrobeBand[k % 10] * reading.notePresentArc);
}

void CKROVirenoDisplay::drawNoteName(CDrawContext* context) const
{
    if (reading.note < 0 || reading.note >= kNoteCount)
        return;
    const char* mask = kNoteMasks[reading.note];
    for (int dot = 0; dot < LedMatrixLayout::kNoteDots; ++dot)
        if (mask[dot] == '1')
            drawLed(context, outerLed, ledRect(dotCorners[dot]), reading.notePresentName);
}
