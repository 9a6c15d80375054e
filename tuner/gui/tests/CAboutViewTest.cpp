#include "tuner/gui/CAboutView.h"
#include "tuner/gui/CKROVirenoGUIContainer.h"
#include "toolkit/vstgui.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {

class CountingListener : public IControlListener
{
public:
    void valueChanged(CControl* control) override { reports.push_back(control); }
    std::vector<CControl*> reports;
};

// The about page shown over an offscreen frame of the face's size.
class AboutView : public ::testing::Test
{
protected:
    AboutView() : frame(new CFrame(CRect(0, 0, 452, 266), nullptr))
    {
        bitmaps.LoadBitmaps();
        EXPECT_TRUE(frame->open(nullptr, PlatformType::kOffscreen));
    }
    ~AboutView() override { frame->forget(); }

    CAboutView* show(const std::string& text)
    {
        auto* view = new CAboutView(frame->getViewSize(), &listener, bitmaps.GetBitmap(202), text);
        frame->beginModalViewSession(view);
        frame->paintInvalid();
        return view;
    }
    CColor at(int x, int y) { return frame->getPlatformFrame()->getBackBuffer()->getPixel(x, y); }
    CColor page(int x, int y) { return bitmaps.GetBitmap(202)->getPlatformBitmap()->getPixel(x, y); }

    CKROVirenoGUIContainer bitmaps;
    CountingListener listener;
    CFrame* frame;
};

TEST_F(AboutView, DrawsThePageAndTheVersionCentredInItsLine)
{
    show("Version 1.1.0");
    int changedLeft = 0;
    int changedRight = 0;
    for (int y = 0; y < 266; ++y)
    {
        for (int x = 0; x < 452; ++x)
        {
            bool changed = at(x, y) != page(x, y);
            bool inLine = x >= 100 && x < 352 && y >= 75 && y < 95;
            ASSERT_TRUE(inLine || !changed) << "drawn outside the text line at " << x << ", " << y;
            if (changed && x < 226)
                ++changedLeft;
            if (changed && x >= 226)
                ++changedRight;
        }
    }
    EXPECT_GT(changedLeft, 30);
    // Centred: about as much text either side of the middle.
    EXPECT_NEAR(changedLeft, changedRight, (changedLeft + changedRight) / 4);
}

TEST_F(AboutView, AnEmptyTextDrawsThePageOnly)
{
    show("");
    for (int y = 70; y < 100; ++y)
        for (int x = 90; x < 360; ++x)
            ASSERT_EQ(at(x, y), page(x, y)) << x << ", " << y;
}

TEST_F(AboutView, OnlyAPlainLeftClickReports)
{
    CAboutView* view = show("Version 1.1.0");
    const struct
    {
        int32_t buttons;
        bool reports;
    } cases[] = {{kLButton, true},
                 {kRButton, false},
                 {kMButton, false},
                 {kLButton | kShift, false},
                 {kLButton | kControl, false},
                 {kLButton | kRButton, false}};
    for (const auto& c : cases)
    {
        listener.reports.clear();
        CPoint where(200, 200);
        CMouseEventResult result = view->onMouseDown(where, c.buttons);
        EXPECT_EQ(listener.reports.size(), c.reports ? 1u : 0u) << c.buttons;
        EXPECT_EQ(result, c.reports ? kMouseDownEventHandledButDontNeedMovedOrUpEvents : kMouseEventNotHandled)
            << c.buttons;
    }
    EXPECT_EQ(view->getTag(), 0);
}

TEST_F(AboutView, ACopyHasTheSameTextFontAndColour)
{
    auto* view = new CAboutView(CRect(0, 0, 452, 266), &listener, bitmaps.GetBitmap(202), "Version 1.1.0");
    auto* copy = static_cast<CAboutView*>(view->newCopy());
    EXPECT_EQ(copy->getText(), "Version 1.1.0");
    EXPECT_NE(copy->getFont(), view->getFont());
    EXPECT_EQ(copy->getFont()->getName(), "Arial");
    EXPECT_EQ(copy->getFont()->getSize(), 12);
    EXPECT_EQ(copy->getFont()->getStyle(), kBoldFace);
    EXPECT_EQ(copy->getTextColor(), CColor(160, 160, 160, 255));
    EXPECT_EQ(copy->getListener(), &listener);
    view->forget();
    copy->forget();
}

// The about box as the editor runs it: the page in a modal session, wrapped in a splash screen
// whose report (tag 42, value 0) ends the session.
TEST_F(AboutView, ALeftClickClosesTheAboutBox)
{
    struct Editor : IControlListener
    {
        void valueChanged(CControl* control) override
        {
            if (control->getTag() == 42 && control->getValue() == 0.f && frame->getModalView())
                frame->endModalViewSession(session);
        }
        CFrame* frame = nullptr;
        ModalViewSessionID session = 0;
    } editor;
    editor.frame = frame;

    auto* view = new CAboutView(frame->getViewSize(), &editor, bitmaps.GetBitmap(202), "Version 1.1.0");
    auto* splash = new CSplashScreen(frame->getViewSize(), &editor, 42, view);
    editor.session = frame->beginModalViewSession(view);
    CPoint where(0, 0);
    splash->onMouseDown(where, kLButton);
    EXPECT_EQ(splash->getValue(), 1.f);

    CPoint rightClick(100, 100);
    frame->onMouseDown(rightClick, kRButton);
    EXPECT_EQ(frame->getModalView(), view);

    CPoint click(100, 100);
    frame->onMouseDown(click, kLButton);
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(splash->getValue(), 0.f);
    splash->forget(); // and with it the page
}

} // namespace
