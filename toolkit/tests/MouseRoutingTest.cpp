#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using TestViews::ProbeView;

namespace {

class MouseRouting : public ::testing::Test
{
protected:
    MouseRouting() : frame(new CFrame(CRect(0, 0, 200, 100), nullptr))
    {
        bottom = add(new ProbeView(CRect(0, 0, 100, 100)));
        top = add(new ProbeView(CRect(50, 0, 150, 100)));
    }
    ~MouseRouting() override { frame->forget(); }

    ProbeView* add(ProbeView* view)
    {
        frame->addView(view);
        return view;
    }
    CMouseEventResult press(CCoord x, CCoord y, int32_t buttons = kLButton)
    {
        CPoint where(x, y);
        return frame->onMouseDown(where, buttons);
    }
    void release(CCoord x, CCoord y)
    {
        CPoint where(x, y);
        frame->onMouseUp(where, kLButton);
    }
    void move(CCoord x, CCoord y)
    {
        CPoint where(x, y);
        frame->onMouseMoved(where, kLButton);
    }

    CFrame* frame;
    ProbeView* bottom;
    ProbeView* top;
};

TEST_F(MouseRouting, TheTopmostChildUnderThePointGetsThePress)
{
    press(75, 50);
    EXPECT_EQ(top->events, std::vector<std::string>{"down"});
    EXPECT_TRUE(bottom->events.empty());

    press(25, 50);
    EXPECT_EQ(bottom->events, std::vector<std::string>{"down"});
    EXPECT_EQ(press(180, 50), kMouseEventNotHandled);
}

TEST_F(MouseRouting, InvisibleAndMouseDisabledViewsAreSkipped)
{
    top->setVisible(false);
    press(75, 50);
    EXPECT_TRUE(top->events.empty());
    EXPECT_EQ(bottom->events.size(), 1u);

    top->setVisible(true);
    top->setMouseEnabled(false);
    press(75, 50);
    EXPECT_TRUE(top->events.empty());
    EXPECT_EQ(bottom->events.size(), 2u);
}

TEST_F(MouseRouting, AnOpaquePageOnTopHidesTheControlsBelowIt)
{
    auto* page = new CViewContainer(CRect(0, 0, 200, 100));
    frame->addView(page);
    EXPECT_EQ(press(75, 50), kMouseEventNotHandled);
    EXPECT_TRUE(top->events.empty());
    EXPECT_TRUE(bottom->events.empty());

    page->setVisible(false);
    press(75, 50);
    EXPECT_EQ(top->events.size(), 1u);
}

TEST_F(MouseRouting, ChildrenOfAContainerGetPositionsRelativeToIt)
{
    auto* page = new CViewContainer(CRect(100, 20, 200, 100));
    auto* inner = new ProbeView(CRect(10, 10, 30, 30));
    page->addView(inner);
    frame->addView(page);
    press(115, 35);
    ASSERT_EQ(inner->events.size(), 1u);
    EXPECT_EQ(inner->lastWhere, CPoint(15, 15));
}

TEST_F(MouseRouting, AHandledPressCapturesTheMovesAndTheRelease)
{
    press(25, 50);
    move(180, 90);
    release(190, 95);
    EXPECT_EQ(bottom->events, (std::vector<std::string>{"down", "moved", "up"}));
    EXPECT_EQ(bottom->lastWhere, CPoint(190, 95));
    EXPECT_TRUE(top->events.empty());

    // After the release nothing is captured.
    move(25, 50);
    EXPECT_EQ(bottom->events.size(), 3u);
}

TEST_F(MouseRouting, APressThatNeedsNoMoreEventsCapturesNothing)
{
    bottom->answer = kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    press(25, 50);
    move(30, 50);
    release(30, 50);
    EXPECT_EQ(bottom->events, std::vector<std::string>{"down"});
}

TEST_F(MouseRouting, AModalSessionTakesEveryPressUntilItEnds)
{
    auto* modal = new ProbeView(CRect(120, 0, 200, 100));
    ModalViewSessionID session = frame->beginModalViewSession(modal);

    // Outside the modal view the press is swallowed, not passed to the views below.
    EXPECT_EQ(press(25, 50), kMouseEventHandled);
    EXPECT_TRUE(bottom->events.empty());
    press(130, 50);
    EXPECT_EQ(modal->events, std::vector<std::string>{"down"});
    EXPECT_TRUE(top->events.empty());

    frame->endModalViewSession(session);
    press(130, 50);
    EXPECT_EQ(top->events, std::vector<std::string>{"down"});
}

TEST_F(MouseRouting, AViewMayRemoveItselfWhileItHandlesThePress)
{
    bool deleted = false;
    class SelfRemoving : public ProbeView
    {
    public:
        using ProbeView::ProbeView;
        CMouseEventResult onMouseDown(CPoint&, const CButtonState&) override
        {
            getFrame()->removeView(this);
            return kMouseEventHandled;
        }
    };
    frame->addView(new SelfRemoving(CRect(0, 0, 200, 100), &deleted));
    press(10, 10);
    EXPECT_TRUE(deleted);
    move(20, 20); // no captured view is left behind
    release(20, 20);
    EXPECT_TRUE(bottom->events.empty());
}

TEST(FrameMouse, PixelPositionsAreDividedByTheZoom)
{
    auto* frame = new CFrame(CRect(0, 0, 100, 100), nullptr);
    auto* view = new ProbeView(CRect(40, 40, 60, 60));
    frame->addView(view);
    frame->setZoom(2.0);
    EXPECT_EQ(frame->getViewSize(), CRect(0, 0, 200, 200));
    frame->platformOnMouseDown(CPoint(100, 110), kLButton);
    ASSERT_EQ(view->events.size(), 1u);
    EXPECT_EQ(view->lastWhere, CPoint(50, 55));
    frame->forget();
}

} // namespace
