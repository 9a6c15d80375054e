#include "CSplashScreen.h"

namespace VSTGUI {

CSplashScreen::CSplashScreen(const CRect& size, IControlListener* listener, int32_t tag, CView* splashView)
    : CControl(size, listener, tag), splashView(splashView)
{
    if (!splashView)
        return;
    splashView->remember();
    if (auto* control = dynamic_cast<CControl*>(splashView))
        control->setListener(this);
}

// A session still open is the frame's to end: it ends them all when it closes.
CSplashScreen::~CSplashScreen()
{
    if (splashView)
        splashView->forget();
}

CMouseEventResult CSplashScreen::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton() || getValue() == getMax())
        return kMouseEventNotHandled;
    setValue(getMax());
    // Attached to a frame, the splash screen shows its view itself; otherwise its owner does.
    CFrame* frame = getFrame();
    if (frame && splashView && !splashView->getParentView())
    {
        splashView->remember();
        session = frame->beginModalViewSession(splashView);
        if (session)
            sessionFrame = frame;
        else
            splashView->forget();
    }
    valueChanged();
    invalid();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

void CSplashScreen::valueChanged(CControl* control)
{
    if (control == splashView)
        unSplash();
}

void CSplashScreen::unSplash()
{
    if (getValue() != getMax())
        return;
    setValue(getMin());
    if (sessionFrame)
    {
        CFrame* frame = sessionFrame;
        sessionFrame = nullptr;
        frame->endModalViewSession(session);
    }
    valueChanged();
    invalid();
}

} // namespace VSTGUI
