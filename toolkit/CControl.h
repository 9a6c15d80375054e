#pragma once

#include "CView.h"

#include <cstdint>

namespace VSTGUI {

class IControlListener;

// A view with a value between a minimum and a maximum, a tag that names it to its listener, and a
// default value. Changes made by the user are reported to the listener.
class CControl : public CView
{
public:
    CControl(const CRect& size, IControlListener* listener = nullptr, int32_t tag = 0, CBitmap* background = nullptr);

    void setListener(IControlListener* l) { listener = l; }
    IControlListener* getListener() const { return listener; }
    void setTag(int32_t t);
    int32_t getTag() const { return tag; }

    // Values outside [min, max] are clamped.
    virtual void setValue(float value);
    float getValue() const { return value; }
    virtual void setValueNormalized(float normalized);
    float getValueNormalized() const;
    void setMin(float v) { minValue = v; }
    float getMin() const { return minValue; }
    void setMax(float v) { maxValue = v; }
    float getMax() const { return maxValue; }
    void setDefaultValue(float v) { defaultValue = v; }
    float getDefaultValue() const { return defaultValue; }

    // Report to the listener.
    virtual void valueChanged();
    virtual void beginEdit();
    virtual void endEdit();
    bool isEditing() const { return editing > 0; }

private:
    IControlListener* listener;
    int32_t tag;
    float value = 0.f;
    float minValue = 0.f;
    float maxValue = 1.f;
    float defaultValue = 0.5f;
    int32_t editing = 0;
};

} // namespace VSTGUI
