#include "tuner/gui/CKROVirenoCtrlSet.h"
#include "tuner/gui/CKROVirenoGUIContainer.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(VirenoBitmaps, EveryBitmapLoadsFromTheLibrarysResources)
{
    CKROVirenoGUIContainer bitmaps;
    EXPECT_EQ(bitmaps.LoadBitmaps(), 0);
    EXPECT_TRUE(bitmaps.AllLoaded());
    EXPECT_EQ(bitmaps.Bitmaps().size(), 36u);
    VSTGUI::CBitmap* face = bitmaps.GetBitmap(200);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->getWidth(), 452);
    EXPECT_EQ(face->getHeight(), 266);
    EXPECT_EQ(bitmaps.GetBitmap(103), nullptr);
}

// What the compiler cannot check of the control set's table: each parameter's buttons have bitmaps
// of their own, and each indicator bitmap holds one image a value.
TEST(VirenoBitmaps, EachParameterHasAButtonBitmapAValueAndAnIndicatorImageAValue)
{
    CKROVirenoGUIContainer bitmaps;
    bitmaps.LoadBitmaps();
    std::set<int> buttonBitmaps;
    for (const CKROVirenoCtrlSet::ParameterControls& row : CKROVirenoCtrlSet::kParameterControls)
    {
        SCOPED_TRACE(row.offset);
        for (int i = 0; i < row.Count(); ++i)
        {
            EXPECT_NE(bitmaps.GetBitmap(row.firstRadioBitmap + i), nullptr) << i;
            EXPECT_TRUE(buttonBitmaps.insert(row.firstRadioBitmap + i).second) << "shared button bitmap " << i;
        }
        if (row.indicatorTag == CKROVirenoCtrlSet::kNoIndicator)
            continue;
        VSTGUI::CBitmap* indicator = bitmaps.GetBitmap(row.indicatorBitmap);
        ASSERT_NE(indicator, nullptr);
        const int height = static_cast<int>(indicator->getHeight());
        EXPECT_EQ(height % row.Count(), 0) << height;
    }
}

} // namespace
