#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using Log = std::vector<std::string>;
using TestViews::RecordingListener;

namespace {

CMouseEventResult press(CView& view, CCoord x, CCoord y, int32_t buttons = kLButton)
{
    CPoint where(x, y);
    return view.onMouseDown(where, buttons);
}

void move(CView& view, CCoord x, CCoord y)
{
    CPoint where(x, y);
    view.onMouseMoved(where, kLButton);
}

void release(CView& view, CCoord x, CCoord y)
{
    CPoint where(x, y);
    view.onMouseUp(where, kLButton);
}

TEST(OnOffButton, EachLeftPressTogglesInsideOneEdit)
{
    RecordingListener listener;
    auto* button = new COnOffButton(CRect(0, 0, 20, 20), &listener, 7);
    EXPECT_EQ(press(*button, 5, 5), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    press(*button, 5, 5);
    EXPECT_EQ(listener.log, (Log{"begin 7", "value 7 1", "end 7", "begin 7", "value 7 0", "end 7"}));

    listener.log.clear();
    EXPECT_EQ(press(*button, 5, 5, kRButton), kMouseEventNotHandled);
    EXPECT_TRUE(listener.log.empty());
    button->forget();
}

TEST(KickButton, AReleaseInsideReportsOneThenZero)
{
    RecordingListener listener;
    auto* button = new CKickButton(CRect(10, 10, 30, 30), &listener, 13);
    EXPECT_EQ(press(*button, 15, 15), kMouseEventHandled);
    EXPECT_EQ(button->getValue(), 1.f); // shown pressed, not yet reported
    EXPECT_EQ(listener.log, Log{"begin 13"});
    release(*button, 16, 16);
    EXPECT_EQ(listener.log, (Log{"begin 13", "value 13 1", "value 13 0", "end 13"}));
    EXPECT_EQ(button->getValue(), 0.f);
    button->forget();
}

TEST(KickButton, AReleaseOutsideReportsOnlyZero)
{
    RecordingListener listener;
    auto* button = new CKickButton(CRect(10, 10, 30, 30), &listener, 13);
    press(*button, 15, 15);
    move(*button, 50, 50);
    EXPECT_EQ(button->getValue(), 0.f);
    move(*button, 20, 20);
    EXPECT_EQ(button->getValue(), 1.f);
    release(*button, 50, 50);
    EXPECT_EQ(listener.log, (Log{"begin 13", "value 13 0", "end 13"}));
    button->forget();
}

TEST(KickButton, OnlyTheLeftButtonPresses)
{
    RecordingListener listener;
    auto* button = new CKickButton(CRect(0, 0, 20, 20), &listener, 13);
    EXPECT_EQ(press(*button, 5, 5, kRButton), kMouseEventNotHandled);
    release(*button, 5, 5);
    EXPECT_TRUE(listener.log.empty());
    button->forget();
}

TEST(MovieBitmap, TheValuePicksTheImage)
{
    struct Case
    {
        int images;
        float max;
        float value;
        int image;
    };
    const Case cases[] = {
        {2, 1, 0, 0},   {2, 1, 1, 1},     {6, 5, 0, 0},     {6, 5, 3, 3},  {6, 5, 5, 5},
        {11, 10, 7, 7}, {11, 10, 10, 10}, {11, 10, 12, 10}, {6, 5, -1, 0},
    };
    for (const auto& c : cases)
    {
        auto* movie = new CMovieBitmap(CRect(0, 0, 10, 10), nullptr, 0, c.images, 10, nullptr);
        movie->setMax(c.max);
        movie->setValue(c.value);
        EXPECT_EQ(movie->getCurrentImage(), c.image) << c.images << " images, value " << c.value;
        movie->forget();
    }
}

TEST(OptionMenu, TheValueIsTheCurrentEntry)
{
    auto* menu = new COptionMenu(CRect(0, 0, 100, 20), nullptr, 11);
    EXPECT_EQ(menu->getCurrentEntry(), nullptr);
    menu->addEntry("Factory");
    menu->addSeparator();
    menu->addEntry("Mine");
    EXPECT_EQ(menu->getNbEntries(), 3);
    EXPECT_TRUE(menu->getEntry(1)->isSeparator());
    EXPECT_TRUE(menu->setCurrent(2));
    EXPECT_EQ(menu->getCurrentEntry()->getTitle(), "Mine");
    EXPECT_EQ(menu->getValueNormalized(), 1.f);
    EXPECT_FALSE(menu->setCurrent(3));
    menu->removeAllEntry();
    EXPECT_EQ(menu->getNbEntries(), 0);
    menu->forget();
}

// The splash screen and its view, as an editor's about box uses them.
class SplashScreen : public ::testing::Test
{
protected:
    SplashScreen()
        : frame(new CFrame(CRect(0, 0, 100, 100), nullptr)), splashView(new COnOffButton(CRect(0, 0, 100, 100))),
          splash(new CSplashScreen(CRect(0, 0, 100, 100), &listener, 42, splashView))
    {}
    ~SplashScreen() override
    {
        splash->forget();
        splashView->forget();
        frame->forget();
    }

    RecordingListener listener;
    CFrame* frame;
    COnOffButton* splashView;
    CSplashScreen* splash;
};

TEST_F(SplashScreen, ThePressOpensAndTheSplashViewsReportCloses)
{
    EXPECT_EQ(splashView->getListener(), splash);
    EXPECT_EQ(press(*splash, 5, 5), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    EXPECT_EQ(splash->getValue(), 1.f);
    EXPECT_EQ(listener.log, Log{"value 42 1"});

    press(*splashView, 5, 5);
    EXPECT_EQ(splash->getValue(), 0.f);
    EXPECT_EQ(listener.log, (Log{"value 42 1", "value 42 0"}));
}

TEST_F(SplashScreen, OnAFrameItShowsItsViewAsAModalSession)
{
    frame->addView(splash);
    splash->remember(); // the fixture keeps its own reference
    press(*splash, 5, 5);
    EXPECT_EQ(frame->getModalView(), splashView);

    CPoint where(5, 5);
    frame->onMouseDown(where, kLButton); // the click lands on the splash view
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(listener.log, (Log{"value 42 1", "value 42 0"}));
    EXPECT_EQ(splashView->getNbReference(), 2); // the fixture's and the splash screen's
}

TEST_F(SplashScreen, ARightPressDoesNotOpen)
{
    EXPECT_EQ(press(*splash, 5, 5, kRButton), kMouseEventNotHandled);
    EXPECT_EQ(splash->getValue(), 0.f);
    EXPECT_TRUE(listener.log.empty());
}

} // namespace
