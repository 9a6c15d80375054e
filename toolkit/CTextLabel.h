#pragma once

#include "CColor.h"
#include "CControl.h"
#include "CDrawContext.h"

#include <string>

namespace VSTGUI {

class CFontDesc;

enum CTextLabelStyle : int32_t
{
    // No one-point frame around the label.
    kNoFrame = 1 << 0,
};

// One line of text on an optional background colour.
class CTextLabel : public CControl
{
public:
    CTextLabel(const CRect& size, const std::string& text = "", CBitmap* background = nullptr, int32_t style = 0);
    CTextLabel(const CTextLabel& other);
    ~CTextLabel() override;

    CView* newCopy() const override { return new CTextLabel(*this); }

    void setText(const std::string& text);
    const std::string& getText() const { return text; }
    // The label keeps its own reference to the font.
    void setFont(CFontDesc* font);
    CFontDesc* getFont() const { return font; }
    void setFontColor(const CColor& color) { fontColor = color; }
    const CColor& getFontColor() const { return fontColor; }
    void setBackColor(const CColor& color) { backColor = color; }
    void setFrameColor(const CColor& color) { frameColor = color; }
    void setTransparency(bool value) { transparent = value; }
    bool getTransparency() const { return transparent; }
    void setHoriAlign(CHoriTxtAlign align) { horiAlign = align; }
    void setStyle(int32_t value) { style = value; }
    int32_t getStyle() const { return style; }

    void draw(CDrawContext* context) override;

private:
    std::string text;
    CFontDesc* font;
    CColor fontColor = kWhiteCColor;
    CColor backColor = kBlackCColor;
    CColor frameColor = kBlackCColor;
    CHoriTxtAlign horiAlign = kCenterText;
    int32_t style;
    bool transparent = false;
};

} // namespace VSTGUI
