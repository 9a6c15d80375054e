#include "CAboutView.h"

#include "toolkit/CBitmap.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/CFontDesc.h"

using namespace VSTGUI;

namespace {

// Where the text line sits on the about bitmap.
constexpr CCoord kTextInset = 100;
constexpr CCoord kTextTop = 75;
constexpr CCoord kTextBottom = 95;

} // namespace

CAboutView::CAboutView(const CRect& size, IControlListener* listener, CBitmap* bitmap, const std::string& text)
    : CControl(size, listener, 0), text(text), font(new CFontDesc("Arial", 12, kBoldFace)), bitmap(bitmap)
{
    // Held for the view's life, so that the page never draws a bitmap its store has let go.
    if (bitmap)
        bitmap->remember();
}

CAboutView::CAboutView(const CAboutView& other)
    : CControl(other), text(other.text), font(new CFontDesc(*other.font)), textColor(other.textColor),
      bitmap(other.bitmap)
{
    if (bitmap)
        bitmap->remember();
}

CAboutView::~CAboutView()
{
    font->forget();
    if (bitmap)
        bitmap->forget();
}

void CAboutView::draw(CDrawContext* context)
{
    if (bitmap)
        bitmap->draw(context, size, CPoint(0, 0), 1.f);
    if (!text.empty())
    {
        context->setFont(font);
        context->setFontColor(textColor);
        context->drawString(text, CRect(size.left + kTextInset, kTextTop, size.right - kTextInset, kTextBottom),
                            kCenterText, true);
    }
    setDirty(false);
}

CMouseEventResult CAboutView::onMouseDown(CPoint&, const CButtonState& buttons)
{
    bool leftAlone = buttons.getButtonState() == kLButton && !(buttons & (kShift | kControl));
    if (!leftAlone)
        return kMouseEventNotHandled;
    valueChanged();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}
