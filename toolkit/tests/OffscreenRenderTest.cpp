#include "TestViews.h"

#include <cairo.h>
#include <gtest/gtest.h>

using namespace VSTGUI;
using TestViews::ProbeView;

namespace {

// A bitmap of one opaque colour.
PlatformBitmapPtr solid(int width, int height, const CColor& colour, double scaleFactor = 1.0)
{
    auto bitmap = PlatformBitmap::create(width, height);
    cairo_t* cr = cairo_create(bitmap->getSurface());
    cairo_set_source_rgba(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0, colour.alpha / 255.0);
    cairo_paint(cr);
    cairo_destroy(cr);
    bitmap->setScaleFactor(scaleFactor);
    return bitmap;
}

// Two images stacked: green above blue, each 10 x 10.
PlatformBitmapPtr stacked()
{
    auto bitmap = solid(10, 20, CColor(0, 255, 0));
    cairo_t* cr = cairo_create(bitmap->getSurface());
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_rectangle(cr, 0, 10, 10, 10);
    cairo_fill(cr);
    cairo_destroy(cr);
    return bitmap;
}

class OffscreenRender : public ::testing::TestWithParam<double>
{
protected:
    OffscreenRender() : frame(new CFrame(CRect(0, 0, 100, 80), nullptr))
    {
        frame->setBackgroundColor(CColor(10, 20, 30));
        frame->setZoom(GetParam());
        EXPECT_TRUE(frame->open(nullptr, PlatformType::kOffscreen));
    }
    ~OffscreenRender() override { frame->forget(); }

    // The frame's pixel at a point given in view coordinates.
    CColor at(CCoord x, CCoord y)
    {
        double zoom = frame->getZoom();
        return frame->getPlatformFrame()->getBackBuffer()->getPixel(static_cast<int>(x * zoom),
                                                                    static_cast<int>(y * zoom));
    }

    CFrame* frame;
};

TEST_P(OffscreenRender, TheBackBufferHasTheZoomedSize)
{
    auto* buffer = frame->getPlatformFrame()->getBackBuffer().get();
    EXPECT_EQ(buffer->getWidth(), static_cast<int>(100 * GetParam()));
    EXPECT_EQ(buffer->getHeight(), static_cast<int>(80 * GetParam()));
}

TEST_P(OffscreenRender, FilledRectanglesAndBackgroundsLandInPlace)
{
    auto* page = new CViewContainer(CRect(50, 40, 100, 80));
    page->setBackgroundColor(CColor(200, 200, 0));
    auto* probe = new ProbeView(CRect(10, 10, 20, 20)); // at 60..70, 50..60 in the frame
    page->addView(probe);
    frame->addView(page);
    frame->paintInvalid();

    EXPECT_EQ(at(5, 5), CColor(10, 20, 30));
    EXPECT_EQ(at(52, 42), CColor(200, 200, 0));
    EXPECT_EQ(at(65, 55), CColor(255, 0, 0));
    EXPECT_EQ(at(75, 65), CColor(200, 200, 0));
}

TEST_P(OffscreenRender, BitmapsDrawCroppedAndFadedByTheirAlpha)
{
    auto* bitmap = new CBitmap(stacked());
    auto* on = new COnOffButton(CRect(0, 0, 10, 10), nullptr, 0, bitmap);
    auto* off = new COnOffButton(CRect(20, 0, 30, 10), nullptr, 0, bitmap);
    on->setValue(1);
    frame->addView(on);
    frame->addView(off);

    class Faded : public CView
    {
    public:
        Faded(CBitmap* b) : CView(CRect(40, 0, 50, 10)), bitmap(b) {}
        void draw(CDrawContext* context) override { bitmap->draw(context, size, CPoint(0, 10), 0.5f); }
        CBitmap* bitmap;
    };
    frame->addView(new Faded(bitmap));
    frame->paintInvalid();

    EXPECT_EQ(at(5, 5), CColor(0, 0, 255));
    EXPECT_EQ(at(25, 5), CColor(0, 255, 0));
    CColor faded = at(45, 5); // half blue over the dark background
    EXPECT_NEAR(faded.blue, (255 + 30) / 2, 2);
    EXPECT_NEAR(faded.red, 5, 2);
    EXPECT_EQ(at(5, 15), CColor(10, 20, 30)); // nothing drawn outside the view
    bitmap->forget();
}

TEST_P(OffscreenRender, TheBestScaleVariantIsDrawn)
{
    auto* bitmap = new CBitmap(solid(10, 10, CColor(255, 0, 0)));
    EXPECT_TRUE(bitmap->addBitmap(solid(20, 20, CColor(0, 0, 255), 2.0)));
    EXPECT_FALSE(bitmap->addBitmap(solid(30, 30, CColor(0, 0, 255), 2.0))); // wrong size, factor taken
    auto* view = new CView(CRect(0, 0, 10, 10));
    view->setBackground(bitmap);
    frame->addView(view);
    frame->paintInvalid();
    CColor expected = GetParam() > 1.0 ? CColor(0, 0, 255) : CColor(255, 0, 0);
    EXPECT_EQ(at(5, 5), expected);
    bitmap->forget();
}

TEST_P(OffscreenRender, TextDrawsInsideItsRectangleOnly)
{
    auto* label = new CTextLabel(CRect(10, 10, 90, 40), "Tuner", nullptr, kNoFrame);
    label->setFont(new CFontDesc("Arial", 16, kBoldFace));
    label->getFont()->forget();
    label->setTransparency(true);
    label->setFontColor(kWhiteCColor);
    frame->addView(label);
    frame->paintInvalid();

    int lit = 0;
    for (CCoord y = 10; y < 40; y += 0.5)
        for (CCoord x = 10; x < 90; x += 0.5)
            lit += at(x, y).red > 128;
    EXPECT_GT(lit, 40);
    for (CCoord x = 0; x < 100; ++x)
        EXPECT_EQ(at(x, 45), CColor(10, 20, 30));
}

TEST_P(OffscreenRender, OnlyInvalidatedAreasArePainted)
{
    auto* left = new ProbeView(CRect(0, 0, 50, 80));
    auto* right = new ProbeView(CRect(50, 0, 100, 80));
    frame->addView(left);
    frame->addView(right);
    frame->paintInvalid();
    EXPECT_EQ(frame->paintInvalid(), CRect()); // nothing left to paint
    int leftDraws = left->draws;

    right->colour = CColor(0, 255, 0);
    right->invalidRect(CRect(60, 10, 70, 20));
    CRect painted = frame->paintInvalid();
    EXPECT_EQ(painted, CRect(60, 10, 70, 20).scale(GetParam()));
    EXPECT_EQ(left->draws, leftDraws);
    EXPECT_EQ(right->lastClip, CRect(60, 10, 70, 20));
    EXPECT_EQ(at(65, 15), CColor(0, 255, 0));
    EXPECT_EQ(at(75, 35), CColor(255, 0, 0)); // outside the invalidated area: the old pixels
}

INSTANTIATE_TEST_SUITE_P(Zoom, OffscreenRender, ::testing::Values(1.0, 1.5));

TEST(Fonts, ArialResolvesToAnInstalledSansFont)
{
    auto* font = new CFontDesc("Arial", 12, kBoldFace);
    const std::string& family = font->getResolvedFamily();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family;
    EXPECT_NE(font->getCairoFace(), nullptr);
    font->forget();
}

TEST(Bitmaps, PngDataWithAlphaLoadsAndBadDataDoesNot)
{
    std::string png = solid(3, 2, CColor(0, 0, 255, 128))->encodePNG();
    auto loaded = PlatformBitmap::createFromPNG(png.data(), png.size());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->getWidth(), 3);
    EXPECT_EQ(loaded->getHeight(), 2);
    EXPECT_NEAR(loaded->getPixel(1, 1).alpha, 128, 1);
    EXPECT_NEAR(loaded->getPixel(1, 1).blue, 255, 2);

    EXPECT_EQ(PlatformBitmap::createFromPNG(png.data(), png.size() / 2), nullptr);
    EXPECT_EQ(PlatformBitmap::createFromPNG("not a png", 9), nullptr);
    EXPECT_EQ(PlatformBitmap::createFromFile("/nonexistent/picture.png"), nullptr);
    EXPECT_EQ(PlatformBitmap::create(0, 5), nullptr);
}

} // namespace
