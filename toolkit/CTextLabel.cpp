#include "CTextLabel.h"

#include "CBitmap.h"
#include "CFontDesc.h"

namespace VSTGUI {

namespace {

CFontDesc* defaultLabelFont()
{
    return new CFontDesc("Arial", 12);
}

} // namespace

CTextLabel::CTextLabel(const CRect& size, const std::string& text, CBitmap* background, int32_t style)
    : CControl(size, nullptr, -1, background), text(text), font(defaultLabelFont()), style(style)
{}

CTextLabel::CTextLabel(const CTextLabel& other)
    : CControl(other), text(other.text), font(other.font), fontColor(other.fontColor), backColor(other.backColor),
      frameColor(other.frameColor), horiAlign(other.horiAlign), style(other.style), transparent(other.transparent)
{
    font->remember();
}

CTextLabel::~CTextLabel()
{
    font->forget();
}

void CTextLabel::setText(const std::string& value)
{
    if (text == value)
        return;
    text = value;
    invalid();
}

void CTextLabel::setFont(CFontDesc* newFont)
{
    if (!newFont)
        return;
    newFont->remember();
    font->forget();
    font = newFont;
    invalid();
}

void CTextLabel::draw(CDrawContext* context)
{
    if (!transparent)
    {
        context->setFillColor(backColor);
        context->drawRect(size, kDrawFilled);
    }
    if (getBackground())
        getBackground()->draw(context, size);
    if (!(style & kNoFrame))
    {
        context->setFrameColor(frameColor);
        context->drawRect(size, kDrawStroked);
    }
    context->setFont(font);
    context->setFontColor(fontColor);
    context->drawString(text, size, horiAlign, true);
    setDirty(false);
}

} // namespace VSTGUI
