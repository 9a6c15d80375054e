#pragma once

#include "toolkit/CColor.h"
#include "toolkit/CControl.h"

#include <string>

namespace VSTGUI {
class CFontDesc;
}

// The about page: the about bitmap with one line of text (the version) centred on it. A plain left
// click reports the view to its listener, which closes the page.
class CAboutView : public VSTGUI::CControl
{
public:
    CAboutView(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::CBitmap* bitmap,
               const std::string& text);
    CAboutView(const CAboutView& other);
    ~CAboutView() override;

    VSTGUI::CView* newCopy() const override { return new CAboutView(*this); }
    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override;

    const std::string& getText() const { return text; }
    VSTGUI::CFontDesc* getFont() const { return font; }
    const VSTGUI::CColor& getTextColor() const { return textColor; }

private:
    std::string text;
    VSTGUI::CFontDesc* font;
    VSTGUI::CColor textColor{160, 160, 160, 255};
    VSTGUI::CBitmap* bitmap;
};
