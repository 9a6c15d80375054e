#pragma once

#include "toolkit/CView.h"
#include "tuner/resources/LedMatrixLayout.h"
#include "tuner/engine/TunerResultBlock.h"

#include <array>

// The tuner's LED matrix: an arc of 5 x 17 LEDs that works as a needle, as a moving strobe band
// ("Stream") or, for a six-string reading, as one short bar per string; and a block of 24 dots
// below it that spells the note name. Every LED is one small bitmap drawn faded by its brightness.
// The view only draws: its owner stores each new reading and asks for the redraw.
class CKROVirenoDisplay : public VSTGUI::CView
{
public:
    // Bitmaps 161, 162, 163, 164: outer and centre LED of colour set 0, then of colour set 1.
    // They are the shared bitmap store's, which outlives every editor frame, so the view holds
    // no reference of its own.
    using LedBitmaps = std::array<VSTGUI::CBitmap*, 4>;

    static constexpr int kNeedleMode = 0;
    static constexpr int kStrobeMode = 1;

    CKROVirenoDisplay(const VSTGUI::CRect& size, const LedBitmaps& leds);

    VSTGUI::CView* newCopy() const override { return new CKROVirenoDisplay(*this); }
    void draw(VSTGUI::CDrawContext* context) override;

    // The reading as the editor stores it: the needle deviation negated, so that a sharp note
    // lights the right half of the arc. Drawn at the next redraw.
    void setReading(const TunerResultBlock& values) { reading = values; }
    const TunerResultBlock& getReading() const { return reading; }
    // kNeedleMode or kStrobeMode; any value but kStrobeMode shows the needle.
    void setDisplayMode(int mode);
    // 1 draws with bitmaps 163 and 164, any other value with 161 and 162.
    void setColourSet(int colourSet);
    // In [0, 10); each draw moves it by twice the strobe speed backwards.
    float getStrobePhase() const { return strobePhase; }

private:
    void advanceStrobe();
    VSTGUI::CRect ledRect(const VSTGUI::CPoint& fromCorner) const;
    void drawLed(VSTGUI::CDrawContext* context, VSTGUI::CBitmap* bitmap, const VSTGUI::CRect& rect, float alpha) const;
    void drawNeedleLed(VSTGUI::CDrawContext* context, const VSTGUI::CRect& rect, int row, int column) const;
    void drawInTuneMark(VSTGUI::CDrawContext* context, const VSTGUI::CRect& rect, int column) const;
    void drawStringLed(VSTGUI::CDrawContext* context, const VSTGUI::CRect& rect, int row, int column) const;
    void drawStrobeLed(VSTGUI::CDrawContext* context, const VSTGUI::CRect& rect, int column) const;
    void drawNoteName(VSTGUI::CDrawContext* context) const;

    LedBitmaps leds;
    VSTGUI::CBitmap* centreLed;
    VSTGUI::CBitmap* outerLed;
    VSTGUI::CRect ledSize;
    // Each LED's top-left corner relative to the view's, worked out once: they depend only on the
    // LED bitmap's size, and drawing then needs no trigonometry.
    VSTGUI::CPoint arcCorners[LedMatrixLayout::kArcRows][LedMatrixLayout::kArcColumns];
    VSTGUI::CPoint dotCorners[LedMatrixLayout::kNoteDots];
    TunerResultBlock reading;
    float strobePhase = 0.f;
    int displayMode = kNeedleMode;
};
