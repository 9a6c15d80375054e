#include "tuner/gui/CKROVirenoDisplay.h"
#include "tuner/gui/CKROVirenoGUIContainer.h"
#include "toolkit/vstgui.h"

#include <algorithm>
#include <cairo.h>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <vector>

using namespace VSTGUI;

namespace {

constexpr int kLedPixels = 12;
const CRect kDisplayOnFace(LedMatrixLayout::kDisplayLeft, LedMatrixLayout::kDisplayTop, 312, 197);
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

struct Draw
{
    const CBitmap* bitmap;
    CRect rect;
    float alpha;
};

// An LED bitmap that notes where and how bright it is drawn instead of painting.
class RecordingLed : public CBitmap
{
public:
    explicit RecordingLed(std::vector<Draw>& log) : CBitmap(PlatformBitmap::create(kLedPixels, kLedPixels)), log(log) {}
    void draw(CDrawContext*, const CRect& rect, const CPoint&, float alpha) override
    {
        log.push_back({this, rect, alpha});
    }

private:
    std::vector<Draw>& log;
};

// One LED as the face shows it: arc row 1..5 and column 1..17, or row 0 and a note-name dot.
struct Lit
{
    int row;
    int column;
    const CBitmap* bitmap;
    float alpha;
};

bool operator==(const Lit& a, const Lit& b)
{
    return a.row == b.row && a.column == b.column && a.bitmap == b.bitmap && std::fabs(a.alpha - b.alpha) < 1e-5f;
}

void PrintTo(const Lit& lit, std::ostream* out)
{
    *out << "{row " << lit.row << ", column " << lit.column << ", bitmap " << lit.bitmap << ", alpha " << lit.alpha
         << "}";
}

bool near(const CRect& rect, const LedMatrixLayout::LedPosition& p)
{
    return std::fabs(rect.left - p.x) < 1e-3 && std::fabs(rect.top - p.y) < 1e-3 && rect.getWidth() == kLedPixels &&
           rect.getHeight() == kLedPixels;
}

TunerResultBlock needleAt(float deviation, float level = 1.f, float inTune = 0.f)
{
    TunerResultBlock reading;
    reading.needleDeviation = deviation;
    reading.notePresentArc = level;
    reading.inTune = inTune;
    return reading;
}

// The view on a plain image the size of the face, with four recording LEDs.
class Display : public ::testing::Test
{
protected:
    Display()
        : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 452, 266)), cairo(cairo_create(surface)),
          context(cairo, 1.0), outer0(log), centre0(log), outer1(log), centre1(log),
          display(new CKROVirenoDisplay(kDisplayOnFace, {&outer0, &centre0, &outer1, &centre1}))
    {
        // The LEDs live on the stack: a view that let go of a reference to one would delete it.
    }
    ~Display() override
    {
        display->forget();
        cairo_destroy(cairo);
        cairo_surface_destroy(surface);
    }

    // A new view, its strobe phase back at 0.
    void restart()
    {
        display->forget();
        display = new CKROVirenoDisplay(kDisplayOnFace, {&outer0, &centre0, &outer1, &centre1});
    }
    // Draws once and names every LED drawn, in drawing order; an LED off the face's places fails.
    std::vector<Lit> draw()
    {
        log.clear();
        display->draw(&context);
        std::vector<Lit> lit;
        for (const Draw& d : log)
            lit.push_back(place(d));
        return lit;
    }
    static Lit place(const Draw& d)
    {
        for (int row = 1; row <= LedMatrixLayout::kArcRows; ++row)
            for (int column = 1; column <= LedMatrixLayout::kArcColumns; ++column)
                if (near(d.rect, LedMatrixLayout::arcLed(row, column, kLedPixels, kLedPixels)))
                    return {row, column, d.bitmap, d.alpha};
        for (int dot = 0; dot < LedMatrixLayout::kNoteDots; ++dot)
            if (near(d.rect, LedMatrixLayout::noteDot(dot)))
                return {0, dot, d.bitmap, d.alpha};
        ADD_FAILURE() << "an LED at no place of the face: " << d.rect.left << ", " << d.rect.top;
        return {-1, -1, d.bitmap, d.alpha};
    }
    // Row 3 of a strobe draw as 17 brightnesses, 0 where nothing is drawn.
    std::vector<float> strobeRow()
    {
        std::vector<float> row(LedMatrixLayout::kArcColumns, 0.f);
        for (const Lit& lit : draw())
        {
            EXPECT_EQ(lit.row, 3);
            EXPECT_EQ(lit.bitmap, &centre0);
            row.at(lit.column - 1) = lit.alpha;
        }
        return row;
    }

    cairo_surface_t* surface;
    cairo_t* cairo;
    CDrawContext context;
    std::vector<Draw> log;
    RecordingLed outer0, centre0, outer1, centre1;
    CKROVirenoDisplay* display;
};

TEST_F(Display, AtCreationNothingShowsAndTheNoteIsAnUnlitC)
{
    EXPECT_TRUE(draw().empty());

    TunerResultBlock reading;
    reading.notePresentName = 0.5f;
    display->setReading(reading);
    std::vector<Lit> expected;
    for (int dot : {1, 2, 3, 5, 7, 8, 10, 11, 15})
        expected.push_back({0, dot, &outer0, 0.5f});
    EXPECT_EQ(draw(), expected);
}

TEST_F(Display, ANeedleInTuneLightsTheCentreColumnAndBothMarkSets)
{
    display->setReading(needleAt(0.f, 1.f, 0.8f));
    std::vector<Lit> expected = {{1, 9, &centre0, 1.f}, {2, 9, &centre0, 1.f}};
    const float marks[] = {1.f, 1.f, 0.75f, 0.5f, 0.25f};
    for (int i = 0; i < 5; ++i)
        expected.push_back({3, 1 + i, &centre0, 0.8f * marks[i]});
    expected.push_back({3, 9, &centre0, 1.f});
    for (int i = 0; i < 5; ++i)
        expected.push_back({3, 13 + i, &centre0, 0.8f * marks[4 - i]});
    expected.push_back({4, 9, &centre0, 1.f});
    expected.push_back({5, 9, &centre0, 1.f});
    EXPECT_EQ(draw(), expected);
}

TEST_F(Display, ANeedleBetweenTwoColumnsSharesItsBrightness)
{
    display->setReading(needleAt(0.05f, 1.f));
    std::vector<Lit> expected;
    for (int row = 1; row <= 5; ++row)
    {
        expected.push_back({row, 8, row == 3 ? &centre0 : &outer0, 0.4625f});
        expected.push_back({row, 9, &centre0, 0.5375f});
    }
    EXPECT_EQ(draw(), expected);

    // Half the level, half the brightness; a sharp note (negative here) leans right.
    display->setReading(needleAt(-0.05f, 0.5f));
    expected.clear();
    for (int row = 1; row <= 5; ++row)
    {
        expected.push_back({row, 9, &centre0, 0.26875f});
        expected.push_back({row, 10, row == 3 ? &centre0 : &outer0, 0.23125f});
    }
    EXPECT_EQ(draw(), expected);
}

TEST_F(Display, TheInTuneMarksFollowTheDeviationWithItsBounds)
{
    enum Marks
    {
        kNone,
        kLeft,
        kRight,
        kBoth
    };
    const struct
    {
        float deviation;
        Marks marks;
    } cases[] = {{-0.2f, kNone},  {-0.15f, kNone}, {-0.1f, kRight}, {std::nextafter(-0.05f, -1.f), kRight},
                 {-0.05f, kBoth}, {0.f, kBoth},    {0.05f, kBoth},  {std::nextafter(0.05f, 1.f), kLeft},
                 {0.1f, kLeft},   {0.15f, kNone},  {0.2f, kNone},   {kNaN, kNone}};
    for (const auto& c : cases)
    {
        // No level, so that only the marks are drawn.
        display->setReading(needleAt(c.deviation, 0.f, 1.f));
        std::vector<int> columns;
        for (const Lit& lit : draw())
        {
            EXPECT_EQ(lit.row, 3);
            EXPECT_EQ(lit.bitmap, &centre0);
            columns.push_back(lit.column);
        }
        std::vector<int> expected;
        if (c.marks == kLeft || c.marks == kBoth)
            expected.insert(expected.end(), {1, 2, 3, 4, 5});
        if (c.marks == kRight || c.marks == kBoth)
            expected.insert(expected.end(), {13, 14, 15, 16, 17});
        EXPECT_EQ(columns, expected) << c.deviation;
    }
}

TEST_F(Display, TheColourSetChoosesTheLedBitmaps)
{
    TunerResultBlock reading = needleAt(0.f, 1.f, 1.f);
    reading.notePresentName = 1.f;
    display->setReading(reading);
    auto bitmapsUsed = [&] {
        std::vector<const CBitmap*> used;
        for (const Lit& lit : draw())
            if (std::find(used.begin(), used.end(), lit.bitmap) == used.end())
                used.push_back(lit.bitmap);
        std::sort(used.begin(), used.end());
        return used;
    };
    auto sorted = [](std::vector<const CBitmap*> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(bitmapsUsed(), sorted({&outer0, &centre0}));
    display->setColourSet(1);
    EXPECT_EQ(bitmapsUsed(), sorted({&outer1, &centre1}));
    display->setColourSet(0);
    EXPECT_EQ(bitmapsUsed(), sorted({&outer0, &centre0}));
}

TEST_F(Display, ASixStringReadingShowsOneBarPerStringWhileNoSingleNoteShows)
{
    TunerResultBlock reading;
    reading.polyphonicFlag = 1.f;
    reading.notePresentArc = 0.1f;
    // String 0 in tune, 1 a quarter of the range sharp of the bar's top (+25 cents), 2 between
    // two rows, 3 too loud (held at full), 4 silent, 5 of no finite level.
    const float deviations[6] = {0.f, 0.5f, -0.225f, -1.f, 0.f, 0.f};
    const float levels[6] = {1.f, 0.5f, 1.f, 7.f, -1.f, kNaN};
    for (int s = 0; s < 6; ++s)
    {
        reading.stringDeviation[s] = deviations[s];
        reading.stringPresence[s] = levels[s];
    }
    display->setReading(reading);
    std::vector<Lit> expected = {
        {2, 4, &outer0, 0.5f},     {2, 5, &outer0, 0.5f},     // string 1 one row up
        {3, 1, &centre0, 1.f},     {3, 2, &centre0, 1.f},     // string 0 on the centre row
        {3, 7, &centre0, 0.5375f}, {3, 8, &centre0, 0.5375f}, // string 2 halfway down
        {4, 7, &outer0, 0.4625f},  {4, 8, &outer0, 0.4625f},  //
        {5, 10, &outer0, 1.f},     {5, 11, &outer0, 1.f},     // string 3 at the bottom
    };
    EXPECT_EQ(draw(), expected);

    // With a single note's level above 0.1 the needle shows instead.
    reading.notePresentArc = 0.2f;
    display->setReading(reading);
    std::vector<Lit> needle;
    for (int row = 1; row <= 5; ++row)
        needle.push_back({row, 9, &centre0, 0.2f});
    EXPECT_EQ(draw(), needle);
}

TEST_F(Display, TheStrobeBandStandsStillAtSpeedZeroAndMovesOneColumnPerDrawAtHalf)
{
    TunerResultBlock reading = needleAt(0.f, 1.f, 1.f); // the in-tune marks stay off in this mode
    display->setReading(reading);
    display->setDisplayMode(CKROVirenoDisplay::kStrobeMode);
    const std::vector<float> atPhase0 = {0, 0, 0, 0, 0.5f, 1, 1, 1, 1, 0.5f, 0, 0, 0, 0, 0.5f, 1, 1};
    EXPECT_EQ(strobeRow(), atPhase0);
    EXPECT_EQ(strobeRow(), atPhase0);

    reading.strobeSpeed = 0.5f;
    display->setReading(reading);
    std::vector<float> previous = atPhase0;
    for (int i = 0; i < 12; ++i)
    {
        std::vector<float> row = strobeRow();
        for (int column = 1; column < 17; ++column)
            EXPECT_EQ(row[column], previous[column - 1]) << "draw " << i << ", column " << column + 1;
        EXPECT_EQ(row[0], previous[9]); // the band repeats every ten columns
        previous = row;
    }

    reading.notePresentArc = 0.5f;
    display->setReading(reading);
    EXPECT_FLOAT_EQ(*std::max_element(previous.begin(), previous.end()), 1.f);
    std::vector<float> dimmed = strobeRow();
    EXPECT_FLOAT_EQ(*std::max_element(dimmed.begin(), dimmed.end()), 0.5f);
}

TEST_F(Display, ThePhaseStaysWithinTheTableForAnySpeed)
{
    const float max = std::numeric_limits<float>::max();
    const struct
    {
        float speed;
        float phase; // after one draw from phase 0; -1 for any value in [0, 10)
    } cases[] = {{0.25f, 9.5f},  {-0.25f, 0.5f}, {5.f, 0.f},   {-12.f, 4.f},  {1e30f, -1.f},
                 {-1e30f, -1.f}, {max, -1.f},    {-max, -1.f}, {1e-9f, -1.f}, {-1e-9f, -1.f}};
    for (const auto& c : cases)
    {
        restart();
        display->setDisplayMode(CKROVirenoDisplay::kStrobeMode);
        TunerResultBlock reading = needleAt(0.f);
        reading.strobeSpeed = c.speed;
        display->setReading(reading);
        EXPECT_LE(draw().size(), 17u);
        float phase = display->getStrobePhase();
        EXPECT_TRUE(phase >= 0.f && phase < 10.f) << c.speed << " gives " << phase;
        if (c.phase >= 0)
        {
            EXPECT_FLOAT_EQ(phase, c.phase) << c.speed;
        }
    }

    // A speed that is no number, or infinite, leaves the band where it was.
    for (float speed : {kNaN, kInf, -kInf})
    {
        TunerResultBlock reading = needleAt(0.f);
        reading.strobeSpeed = 0.5f;
        display->setReading(reading);
        draw();
        float phase = display->getStrobePhase();
        reading.strobeSpeed = speed;
        display->setReading(reading);
        std::vector<float> before = strobeRow();
        EXPECT_EQ(display->getStrobePhase(), phase) << speed;
        EXPECT_EQ(strobeRow(), before) << speed;
    }
}

TEST_F(Display, EachNoteSpellsItsNameAndNoneOutsideTheOctave)
{
    const char* sharps = "010100101010";
    for (int note = 0; note < 12; ++note)
    {
        TunerResultBlock reading;
        reading.note = note;
        reading.notePresentName = 0.75f;
        display->setReading(reading);
        std::vector<Lit> lit = draw();
        bool sharpSign = false;
        for (const Lit& dot : lit)
        {
            EXPECT_EQ(dot, (Lit{0, dot.column, &outer0, 0.75f}));
            sharpSign = sharpSign || (dot.column >= 16 && dot.column <= 19);
        }
        EXPECT_GE(lit.size(), 9u) << note;
        EXPECT_EQ(sharpSign, sharps[note] == '1') << note;
    }
    for (int note : {-1, 12, INT_MIN, INT_MAX})
    {
        TunerResultBlock reading;
        reading.note = note;
        reading.notePresentName = 1.f;
        display->setReading(reading);
        EXPECT_TRUE(draw().empty()) << note;
    }
}

TEST_F(Display, ValuesThatAreNoFiniteNumbersLeaveTheirLedsDark)
{
    TunerResultBlock good = needleAt(0.f, 1.f, 1.f);
    good.notePresentName = 1.f;
    display->setReading(good);
    const size_t everything = draw().size();
    ASSERT_EQ(everything, 5u + 10u + 9u); // the needle, both mark sets and the C

    const struct
    {
        float TunerResultBlock::*value;
        size_t drawn;
    } cases[] = {
        {&TunerResultBlock::needleDeviation, 9u}, // no needle, no marks, the note stays
        {&TunerResultBlock::notePresentArc, 19u}, // marks and note only
        {&TunerResultBlock::inTune, 14u},
        {&TunerResultBlock::notePresentName, 15u},
        {&TunerResultBlock::polyphonicFlag, everything},
        {&TunerResultBlock::strobeSpeed, everything},
    };
    for (const auto& c : cases)
    {
        for (float broken : {kNaN, kInf, -kInf})
        {
            TunerResultBlock reading = good;
            reading.*c.value = broken;
            display->setReading(reading);
            std::vector<Lit> lit = draw();
            for (const Lit& led : lit)
                EXPECT_TRUE(led.alpha > 0.f && std::isfinite(led.alpha));
            EXPECT_EQ(lit.size(), c.drawn) << broken;
        }
    }
}

TEST_F(Display, TheLedsMoveWithTheView)
{
    display->setReading(needleAt(0.f));
    display->setViewSize(CRect(12, 26, 322, 207));
    log.clear();
    display->draw(&context);
    ASSERT_EQ(log.size(), 5u);
    // Row 1 of column 9: 142 + origin 13 - half an LED, 350 - 338 + origin 6 - half an LED.
    EXPECT_NEAR(log[0].rect.left, 12 + 142 + 13 - 6, 1e-3);
    EXPECT_NEAR(log[0].rect.top, 26 + 350 - 338 + 6 - 6, 1e-3);
    EXPECT_EQ(log[0].rect.getWidth(), kLedPixels);
}

TEST_F(Display, ABackgroundIsDrawnFirstOverTheWholeView)
{
    RecordingLed background(log);
    display->setBackground(&background);
    display->setReading(needleAt(0.f));
    log.clear();
    display->draw(&context);
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0].bitmap, &background);
    EXPECT_EQ(log[0].rect, kDisplayOnFace);
    EXPECT_EQ(log[0].alpha, 1.f);
    display->setBackground(nullptr);
}

TEST_F(Display, MissingLedBitmapsDrawNothing)
{
    TunerResultBlock reading = needleAt(0.f, 1.f, 1.f);
    reading.notePresentName = 1.f;
    auto* bare = new CKROVirenoDisplay(kDisplayOnFace, {nullptr, nullptr, nullptr, nullptr});
    bare->setReading(reading);
    bare->draw(&context);
    bare->setColourSet(1);
    bare->setDisplayMode(CKROVirenoDisplay::kStrobeMode);
    bare->draw(&context);
    bare->forget();
    cairo_surface_flush(surface);
    const unsigned char* pixels = cairo_image_surface_get_data(surface);
    const int bytes = cairo_image_surface_get_stride(surface) * cairo_image_surface_get_height(surface);
    EXPECT_EQ(std::count(pixels, pixels + bytes, 0), bytes);
}

// The real LEDs over the real face, rendered offscreen at zoom 1.
class DisplayOnFace : public ::testing::Test
{
protected:
    DisplayOnFace() : frame(new CFrame(CRect(0, 0, 452, 266), nullptr))
    {
        bitmaps.LoadBitmaps();
        frame->setBackground(bitmaps.GetBitmap(200));
        display = new CKROVirenoDisplay(kDisplayOnFace, {bitmaps.GetBitmap(161), bitmaps.GetBitmap(162),
                                                         bitmaps.GetBitmap(163), bitmaps.GetBitmap(164)});
        frame->addView(display);
        EXPECT_TRUE(frame->open(nullptr, PlatformType::kOffscreen));
    }
    ~DisplayOnFace() override { frame->forget(); }

    void paint(const TunerResultBlock& reading)
    {
        display->setReading(reading);
        display->invalid();
        frame->paintInvalid();
    }
    CColor at(const LedMatrixLayout::LedPosition& p, int dx, int dy)
    {
        return frame->getPlatformFrame()->getBackBuffer()->getPixel(static_cast<int>(std::lround(p.x)) + dx,
                                                                    static_cast<int>(std::lround(p.y)) + dy);
    }
    CColor led(int number, int dx, int dy) { return bitmaps.GetBitmap(number)->getPlatformBitmap()->getPixel(dx, dy); }
    CColor face(const LedMatrixLayout::LedPosition& p, int dx, int dy)
    {
        return bitmaps.GetBitmap(200)->getPlatformBitmap()->getPixel(static_cast<int>(std::lround(p.x)) + dx,
                                                                     static_cast<int>(std::lround(p.y)) + dy);
    }

    CKROVirenoGUIContainer bitmaps;
    CFrame* frame;
    CKROVirenoDisplay* display;
};

TEST_F(DisplayOnFace, ALitLedCoversItsPlaceAndAnUnlitOneLeavesTheFace)
{
    const int middle = kLedPixels / 2;
    ASSERT_EQ(led(162, middle, middle).alpha, 255) << "the spot checks need an opaque LED core";
    paint(needleAt(0.f));
    auto centre = LedMatrixLayout::arcLed(3, 9, kLedPixels, kLedPixels);
    auto top = LedMatrixLayout::arcLed(1, 9, kLedPixels, kLedPixels);
    auto dark = LedMatrixLayout::arcLed(3, 4, kLedPixels, kLedPixels);
    EXPECT_EQ(at(centre, middle, middle), led(162, middle, middle));
    EXPECT_EQ(at(top, middle, middle), led(162, middle, middle));
    EXPECT_EQ(at(dark, middle, middle), face(dark, middle, middle));

    display->setColourSet(1);
    paint(needleAt(0.f));
    EXPECT_EQ(at(centre, middle, middle), led(164, middle, middle));

    // Half bright over the unlit LED: between the two, in every channel.
    paint(needleAt(0.f, 0.5f));
    CColor half = at(centre, middle, middle);
    CColor lit = led(164, middle, middle);
    CColor unlit = face(centre, middle, middle);
    auto between = [](int v, int a, int b) { return v >= std::min(a, b) - 1 && v <= std::max(a, b) + 1; };
    EXPECT_TRUE(between(half.red, lit.red, unlit.red) && between(half.green, lit.green, unlit.green) &&
                between(half.blue, lit.blue, unlit.blue));
    EXPECT_NE(half, lit);
    EXPECT_NE(half, unlit);
}

} // namespace
