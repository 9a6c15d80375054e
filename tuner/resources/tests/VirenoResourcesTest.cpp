#include "toolkit/CRect.h"
#include "tuner/resources/LedMatrixLayout.h"
#include "toolkit/PlatformBitmap.h"
#include "tuner/resources/VirenoBitmapNumbers.h"
#include "tuner/resources/VirenoResources.h"

#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>

using namespace VSTGUI;

namespace {

std::map<int, PlatformBitmapPtr> decodeAll()
{
    std::map<int, PlatformBitmapPtr> bitmaps;
    for (size_t i = 0; i < VirenoResources::count(); ++i)
    {
        const ResourceData& r = VirenoResources::entries()[i];
        bitmaps[r.id] = PlatformBitmap::createFromPNG(r.data, r.size);
    }
    return bitmaps;
}

class Resources : public ::testing::Test
{
protected:
    Resources() : bitmaps(decodeAll()) {}

    int width(int id) { return bitmaps.at(id)->getWidth(); }
    int height(int id) { return bitmaps.at(id)->getHeight(); }

    std::map<int, PlatformBitmapPtr> bitmaps;
};

TEST_F(Resources, EveryEditorBitmapIsThereAndDecodes)
{
    std::set<int> expected = {100, 101, 102, 150, 151, 152, 161, 162, 163, 164, 200, 201, 202};
    for (int id = 110; id <= 115; ++id)
        expected.insert(id);
    for (int id = 120; id <= 125; ++id)
        expected.insert(id);
    for (int id = 130; id <= 140; ++id)
        expected.insert(id);
    std::set<int> present;
    for (const auto& entry : bitmaps)
    {
        present.insert(entry.first);
        EXPECT_NE(entry.second, nullptr) << entry.first;
    }
    EXPECT_EQ(present, expected);
}

TEST_F(Resources, TheEnumerationNamesEveryPaintedBitmapOnce)
{
    std::set<int> named(std::begin(VirenoBitmap::kAll), std::end(VirenoBitmap::kAll));
    EXPECT_EQ(named.size(), std::size(VirenoBitmap::kAll));
    std::set<int> painted;
    for (const auto& entry : bitmaps)
        painted.insert(entry.first);
    EXPECT_EQ(named, painted);
}

TEST_F(Resources, PagesHaveTheFacesSizeAndStackedImagesDivideEvenly)
{
    for (int id : {200, 201, 202})
    {
        EXPECT_EQ(width(id), 452) << id;
        EXPECT_EQ(height(id), 266) << id;
    }
    const struct
    {
        int id;
        int images;
    } stacks[] = {{100, 2}, {101, 2}, {102, 2}, {150, 2}, {151, 6}, {152, 11}};
    for (const auto& s : stacks)
        EXPECT_EQ(height(s.id) % s.images, 0) << s.id;
    for (int id = 110; id <= 140; ++id)
    {
        if (bitmaps.count(id))
        {
            EXPECT_EQ(height(id) % 2, 0) << id;
        }
    }
    for (int id : {162, 163, 164})
    {
        EXPECT_EQ(width(id), width(161));
        EXPECT_EQ(height(id), height(161));
    }
}

// The controls at the editor's fixed positions must stay on their page and clear of each other.
TEST_F(Resources, ControlsFitTheirFixedPositions)
{
    const CRect page(0, 0, 452, 266);
    auto placed = [&](int id, CCoord x, CCoord y, int images) {
        return CRect(x, y, x + width(id), y + height(id) / images);
    };
    auto inside = [&](const CRect& r) {
        return r.left >= page.left && r.top >= page.top && r.right <= page.right && r.bottom <= page.bottom;
    };
    std::vector<CRect> face = {placed(100, 344, 95, 2), placed(101, 307, 32, 2),  CRect(315, 220, 438, 238),
                               placed(150, 27, 161, 2), placed(151, 275, 215, 6), placed(152, 255, 231, 11)};
    for (size_t i = 0; i < face.size(); ++i)
    {
        EXPECT_TRUE(inside(face[i])) << "face control " << i;
        for (size_t j = i + 1; j < face.size(); ++j)
            EXPECT_FALSE(face[i].rectOverlap(face[j])) << "face controls " << i << " and " << j;
    }

    const struct
    {
        int count;
        int firstBitmap;
        CCoord y;
    } rows[] = {{2, 110, 76}, {2, 112, 102}, {6, 120, 128}, {11, 130, 155}, {2, 114, 180}};
    std::vector<CRect> settings = {placed(102, 420, 237, 2)};
    for (const auto& row : rows)
    {
        CCoord x = 153;
        for (int i = 0; i < row.count; ++i)
        {
            settings.push_back(placed(row.firstBitmap + i, x, row.y, 2));
            x = settings.back().right + 8;
        }
    }
    for (size_t i = 0; i < settings.size(); ++i)
    {
        EXPECT_TRUE(inside(settings[i])) << "settings control " << i;
        for (size_t j = i + 1; j < settings.size(); ++j)
            EXPECT_FALSE(settings[i].rectOverlap(settings[j])) << "settings controls " << i << " and " << j;
    }
}

TEST_F(Resources, TheFaceShowsAnUnlitLedWhereverTheDisplayLightsOne)
{
    const CRect display(2, 16, 312, 197);
    auto unlitAt = [&](const LedMatrixLayout::LedPosition& p) {
        CCoord cx = p.x + width(161) / 2.0;
        CCoord cy = p.y + height(161) / 2.0;
        EXPECT_TRUE(display.pointInside(CPoint(cx, cy))) << cx << ", " << cy;
        CColor c = bitmaps.at(200)->getPixel(static_cast<int>(cx), static_cast<int>(cy));
        // A dim grey lens, brighter than the black display window around it.
        EXPECT_GT(c.red, 30) << cx << ", " << cy;
        EXPECT_LT(c.red, 90) << cx << ", " << cy;
        EXPECT_NEAR(c.red, c.blue, 10);
    };
    for (int row = 1; row <= LedMatrixLayout::kArcRows; ++row)
        for (int column = 1; column <= LedMatrixLayout::kArcColumns; ++column)
            unlitAt(LedMatrixLayout::arcLed(row, column, width(161), height(161)));
    for (int dot = 0; dot < LedMatrixLayout::kNoteDots; ++dot)
        unlitAt(LedMatrixLayout::noteDot(dot));
    CColor window = bitmaps.at(200)->getPixel(60, 170);
    EXPECT_LT(window.red, 20);
}

TEST_F(Resources, LitLedsShowTheirColourSetsOnATransparentGround)
{
    const struct
    {
        int id;
        bool red;
        bool green;
        bool blue;
    } leds[] = {
        {161, true, false, false}, {162, false, true, false}, {163, true, true, false}, {164, false, false, true}};
    for (const auto& led : leds)
    {
        const auto& bitmap = bitmaps.at(led.id);
        EXPECT_EQ(bitmap->getPixel(0, 0).alpha, 0) << led.id;
        // Just off the white-hot core, the lens shows its colour.
        CColor lens = bitmap->getPixel(bitmap->getWidth() / 2 + 3, bitmap->getHeight() / 2);
        EXPECT_EQ(lens.alpha, 255) << led.id;
        EXPECT_EQ(lens.red > 200, led.red) << led.id;
        EXPECT_EQ(lens.green > 200, led.green) << led.id;
        EXPECT_EQ(lens.blue > 200, led.blue) << led.id;
    }
}

} // namespace
