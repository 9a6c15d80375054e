#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using TestViews::ManualClock;

namespace {

TEST(PluginGUIEditor, KeepsItsWindowRectangleAndIdleTick)
{
    ManualClock clock;
    int effect = 0;
    PluginGUIEditor editor(&effect, clock);
    EXPECT_EQ(editor.getEffect(), &effect);
    EXPECT_EQ(editor.getLastIdleTicks(), 1000u);
    EXPECT_EQ(editor.getFrame(), nullptr);

    ERect* rect = nullptr;
    EXPECT_TRUE(editor.getRect(&rect));
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right, 0);

    int window = 0;
    EXPECT_TRUE(editor.open(&window));
    EXPECT_EQ(editor.getSystemWindow(), &window);
    clock.now = 1020;
    editor.idle();
    EXPECT_EQ(editor.getLastIdleTicks(), 1020u);
    editor.close();
    EXPECT_EQ(editor.getSystemWindow(), nullptr);
}

TEST(PluginGUIEditor, SetsTheProcessWideKnobMode)
{
    PluginGUIEditor editor(nullptr);
    EXPECT_EQ(editor.setKnobMode(kLinearMode), 1);
    EXPECT_EQ(getGlobalKnobMode(), kLinearMode);
    EXPECT_EQ(editor.getKnobMode(), kLinearMode);
    setGlobalKnobMode(kCircularMode);
}

TEST(FrameKeys, AKeyNoViewUsesIsReportedUnused)
{
    class KeyUser : public CView
    {
    public:
        KeyUser() : CView(CRect(0, 0, 10, 10)) {}
        int32_t onKeyDown(VstKeyCode& key) override { return key.virt == VKEY_SPACE ? 1 : -1; }
    };
    auto* frame = new CFrame(CRect(0, 0, 100, 100), nullptr);
    VstKeyCode f5;
    f5.virt = VKEY_F5;
    EXPECT_EQ(frame->onKeyDown(f5), -1);
    frame->addView(new KeyUser);
    VstKeyCode space;
    space.virt = VKEY_SPACE;
    EXPECT_EQ(frame->onKeyDown(space), 1);
    EXPECT_EQ(frame->onKeyDown(f5), -1);
    EXPECT_EQ(VKEY_F5, 44); // the numbering hosts' key tables are written against
    EXPECT_EQ(VKEY_EQUALS, 57);
    frame->forget();
}

} // namespace
