#pragma once

#include "CControl.h"
#include "CFrame.h"
#include "IControlListener.h"

namespace VSTGUI {

// A control that opens a splash view on a left press and closes it when the splash view reports a
// change. Its value is the maximum while open; each opening and closing is reported to its listener.
// The splash view reports to the splash screen from its creation on.
class CSplashScreen : public CControl, public IControlListener
{
public:
    CSplashScreen(const CRect& size, IControlListener* listener, int32_t tag, CView* splashView);
    ~CSplashScreen() override;

    CView* getSplashView() const { return splashView; }
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    // The splash view's report: closes the splash.
    void valueChanged(CControl* control) override;
    using CControl::valueChanged;

    void unSplash();

private:
    CView* splashView;
    ModalViewSessionID session = 0;
    CFrame* sessionFrame = nullptr;
};

} // namespace VSTGUI
