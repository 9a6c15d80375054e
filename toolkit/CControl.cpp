#include "CControl.h"

#include "IControlListener.h"

#include <algorithm>

namespace VSTGUI {

CControl::CControl(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background)
    : CView(size), listener(listener), tag(tag)
{
    if (background)
        setBackground(background);
}

void CControl::setTag(int32_t t)
{
    if (listener)
        listener->controlTagWillChange(this);
    tag = t;
    if (listener)
        listener->controlTagDidChange(this);
}

void CControl::setValue(float v)
{
    value = std::min(std::max(v, std::min(minValue, maxValue)), std::max(minValue, maxValue));
}

void CControl::setValueNormalized(float normalized)
{
    normalized = std::min(std::max(normalized, 0.f), 1.f);
    setValue(minValue + normalized * (maxValue - minValue));
}

float CControl::getValueNormalized() const
{
    float range = maxValue - minValue;
    return range == 0.f ? 0.f : (value - minValue) / range;
}

void CControl::valueChanged()
{
    if (listener)
        listener->valueChanged(this);
}

void CControl::beginEdit()
{
    if (++editing == 1 && listener)
        listener->controlBeginEdit(this);
}

void CControl::endEdit()
{
    if (editing == 0)
        return;
    if (--editing == 0 && listener)
        listener->controlEndEdit(this);
}

} // namespace VSTGUI
