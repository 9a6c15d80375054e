#include "CKROVirenoGUIContainer.h"

#include <gtest/gtest.h>

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

} // namespace
