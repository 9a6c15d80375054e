#pragma once

#include "AAX_CParameterValue.h"
#include "AAX_CString.h"
#include "AAX_HostServicesHolder.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IParameter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <type_traits>

// A host-visible parameter holding a value of type T (bool, int32_t or float) in real units. It
// converts to the host's normalised range through its taper delegate and to text through its
// display delegate, both clones it owns. With an automation delegate, the plug-in's own changes go
// to the host as requests and are stored only when the host confirms them (UpdateNormalizedValue).
template <typename T>
class AAX_CParameter : public AAX_IParameter
{
public:
    // Every parameter starts continuous with 128 steps; the owner makes stepped ones discrete.
    static constexpr uint32_t kContinuousSteps = 128;

    AAX_CParameter(const char* identifier, const AAX_CString& name, T defaultValue,
                   const AAX_ITaperDelegate<T>& taperDelegate, const AAX_IDisplayDelegate<T>& displayDelegate,
                   bool automatable)
        : name(name), automatable(automatable), taper(taperDelegate.Clone()), display(displayDelegate.Clone()),
          value(identifier, T())
    {
        // A longer identifier keeps its first 31 characters.
        const int64_t len = identifier ? static_cast<int64_t>(std::strlen(identifier)) : 0;
        AAX_ASSERT(len < eParemeterDefaultMaxIdentifierSize);
        this->defaultValue = defaultValue;
        SetNumberOfSteps(kContinuousSteps);
        SetRealValue(defaultValue);
    }

    ~AAX_CParameter() override
    {
        if (automationDelegate)
            automationDelegate->UnregisterParameter(Identifier());
    }

    AAX_CParameter(const AAX_CParameter&) = delete;
    AAX_CParameter& operator=(const AAX_CParameter&) = delete;

    AAX_IParameterValue* CloneValue() const override { return value.Clone(); }
    const char* Identifier() const override { return value.Identifier(); }
    void SetName(const AAX_CString& newName) override { name = newName; }
    const AAX_CString& Name() const override { return name; }
    void AddShortenedName(const AAX_CString& shortened) override
    {
        abbreviations[static_cast<int32_t>(shortened.Length())] = shortened;
    }
    // The longest abbreviation that fits; the shortest when none does; the full name when it fits.
    const AAX_CString& ShortenedName(int32_t length) const override
    {
        if (length < 0 || abbreviations.empty() || static_cast<int64_t>(length) >= name.Length())
            return name;
        auto above = abbreviations.upper_bound(length);
        if (above == abbreviations.begin())
            return above->second;
        return std::prev(above)->second;
    }
    void ClearShortenedNames() override { abbreviations.clear(); }
    bool Automatable() const override { return automatable; }

    void SetAutomationDelegate(AAX_IAutomationDelegate* newDelegate) override
    {
        if (automationDelegate)
            automationDelegate->UnregisterParameter(Identifier());
        automationDelegate = newDelegate;
        if (automationDelegate)
            automationDelegate->RegisterParameter(Identifier());
    }
    void Touch() override
    {
        if (automationDelegate)
            automationDelegate->PostTouchRequest(Identifier());
    }
    void Release() override
    {
        if (automationDelegate)
            automationDelegate->PostReleaseRequest(Identifier());
    }

    void SetNormalizedValue(double normalizedValue) override { SetRealValue(taper->NormalizedToReal(normalizedValue)); }
    double GetNormalizedValue() const override { return taper->RealToNormalized(value.Get()); }
    void SetNormalizedDefaultValue(double normalizedDefault) override
    {
        defaultValue = taper->ConstrainRealValue(taper->NormalizedToReal(normalizedDefault));
    }
    double GetNormalizedDefaultValue() const override { return taper->RealToNormalized(defaultValue); }
    void SetToDefaultValue() override { SetRealValue(defaultValue); }

    void SetNumberOfSteps(uint32_t numSteps) override
    {
        AAX_ASSERT(0 < numSteps);
        if (numSteps > 0)
            steps = numSteps;
    }
    uint32_t GetNumberOfSteps() const override { return steps; }
    uint32_t GetStepValue() const override { return GetStepValueFromNormalizedValue(GetNormalizedValue()); }
    double GetNormalizedValueFromStep(uint32_t step) const override
    {
        if (steps < 2)
            return 0.0;
        return std::min(static_cast<double>(step) / (steps - 1.0), 1.0);
    }
    // The nearest step, halves rounding up; limited in double so that NaN gives step 0.
    uint32_t GetStepValueFromNormalizedValue(double normalizedValue) const override
    {
        if (steps < 2)
            return 0;
        const double step = normalizedValue * (steps - 1.0) + 0.5;
        if (std::isnan(step))
            return 0;
        return static_cast<uint32_t>(std::clamp(step, 0.0, steps - 1.0));
    }
    void SetStepValue(uint32_t step) override
    {
        if (steps >= 2)
            SetNormalizedValue(GetNormalizedValueFromStep(step));
    }

    bool GetValueString(int32_t /*maxLength: the full text is given*/, AAX_CString* valueString) const override
    {
        return GetValueString(valueString);
    }
    bool GetValueString(AAX_CString* valueString) const override
    {
        return WriteOnSuccess(valueString,
                              [&](AAX_CString* text) { return display->ValueToString(value.Get(), text); });
    }

    bool GetNormalizedValueFromBool(bool v, double* x) const override { return NormalizedFromOwn(v, x); }
    bool GetNormalizedValueFromInt32(int32_t v, double* x) const override { return NormalizedFromOwn(v, x); }
    bool GetNormalizedValueFromFloat(float v, double* x) const override { return NormalizedFromOwn(v, x); }
    bool GetNormalizedValueFromDouble(double, double*) const override { return false; }
    bool GetNormalizedValueFromString(const AAX_CString& valueString, double* normalizedValue) const override
    {
        T parsed{};
        if (!normalizedValue || !display->StringToValue(valueString, &parsed))
            return false;
        *normalizedValue = taper->RealToNormalized(parsed);
        return true;
    }
    bool GetBoolFromNormalizedValue(double x, bool* v) const override { return OwnFromNormalized(x, v); }
    bool GetInt32FromNormalizedValue(double x, int32_t* v) const override { return OwnFromNormalized(x, v); }
    bool GetFloatFromNormalizedValue(double x, float* v) const override { return OwnFromNormalized(x, v); }
    bool GetDoubleFromNormalizedValue(double, double*) const override { return false; }
    bool GetStringFromNormalizedValue(double normalizedValue, int32_t maxLength,
                                      AAX_CString& valueString) const override
    {
        const T real = taper->NormalizedToReal(normalizedValue);
        return InTaperRange(real) && WriteOnSuccess(&valueString, [&](AAX_CString* text) {
                   return display->ValueToString(real, maxLength, text);
               });
    }
    bool GetStringFromNormalizedValue(double normalizedValue, AAX_CString& valueString) const override
    {
        const T real = taper->NormalizedToReal(normalizedValue);
        return InTaperRange(real) &&
               WriteOnSuccess(&valueString, [&](AAX_CString* text) { return display->ValueToString(real, text); });
    }
    bool SetValueFromString(const AAX_CString& valueString) override
    {
        T parsed{};
        if (!display->StringToValue(valueString, &parsed))
            return false;
        SetRealValue(parsed);
        return true;
    }

    bool GetValueAsBool(bool* v) const override { return value.GetValueAsBool(v); }
    bool GetValueAsInt32(int32_t* v) const override { return value.GetValueAsInt32(v); }
    bool GetValueAsFloat(float* v) const override { return value.GetValueAsFloat(v); }
    bool GetValueAsDouble(double* v) const override { return value.GetValueAsDouble(v); }
    bool GetValueAsString(AAX_IString* valueString) const override
    {
        if (!valueString)
            return false;
        AAX_CString text;
        if (!GetValueString(&text))
            return false;
        *valueString = text;
        return true;
    }
    bool SetValueWithBool(bool v) override { return SetOwn(v); }
    bool SetValueWithInt32(int32_t v) override { return SetOwn(v); }
    bool SetValueWithFloat(float v) override { return SetOwn(v); }
    bool SetValueWithDouble(double) override { return false; }
    bool SetValueWithString(const AAX_IString& valueString) override
    {
        return SetValueFromString(AAX_CString(valueString));
    }

    void SetType(AAX_EParameterType newType) override { type = newType; }
    AAX_EParameterType GetType() const override { return type; }
    void SetOrientation(AAX_EParameterOrientation newOrientation) override { orientation = newOrientation; }
    AAX_EParameterOrientation GetOrientation() const override { return orientation; }

    // preserveValue: the real value stays and its normalised position moves; else the position
    // stays and the real value moves.
    void SetTaperDelegate(AAX_ITaperDelegateBase& newTaper, bool preserveValue) override
    {
        auto* typed = dynamic_cast<AAX_ITaperDelegate<T>*>(&newTaper);
        if (!typed)
            return;
        const double position = GetNormalizedValue();
        taper.reset(typed->Clone());
        needNotify = true;
        if (preserveValue)
            SetRealValue(value.Get());
        else
            UpdateNormalizedValue(position);
    }
    // The host is told the current value again so that it refreshes the text.
    void SetDisplayDelegate(AAX_IDisplayDelegateBase& newDisplay) override
    {
        auto* typed = dynamic_cast<AAX_IDisplayDelegate<T>*>(&newDisplay);
        if (!typed)
            return;
        display.reset(typed->Clone());
        if (automationDelegate)
            automationDelegate->PostCurrentValue(Identifier(), GetNormalizedValue());
    }

    void UpdateNormalizedValue(double normalizedValue) override
    {
        const T real = taper->NormalizedToReal(normalizedValue);
        if (!needNotify && real == value.Get())
            return;
        value.Set(real);
        if (automationDelegate)
            automationDelegate->PostCurrentValue(Identifier(), normalizedValue);
        needNotify = false;
    }

protected:
    // Every change the plug-in makes: a request to the host when it automates the parameter,
    // else stored at once.
    void SetRealValue(T real)
    {
        const double normalized = taper->RealToNormalized(real);
        if (automationDelegate)
        {
            Touch();
            automationDelegate->PostSetValueRequest(Identifier(), normalized);
            Release();
            return;
        }
        needNotify = true;
        UpdateNormalizedValue(normalized);
    }

private:
    bool InTaperRange(T real) const { return !(real < taper->GetMinimumValue()) && !(taper->GetMaximumValue() < real); }

    // The output is written only when the conversion succeeds.
    template <typename Convert>
    static bool WriteOnSuccess(AAX_CString* out, Convert convert)
    {
        if (!out)
            return false;
        AAX_CString text;
        if (!convert(&text))
            return false;
        *out = text;
        return true;
    }

    template <typename U>
    bool NormalizedFromOwn(U real, double* normalized) const
    {
        if constexpr (std::is_same_v<T, U>)
        {
            if (!normalized)
                return false;
            *normalized = taper->RealToNormalized(real);
            return true;
        }
        else
        {
            (void)real, (void)normalized;
            return false;
        }
    }

    template <typename U>
    bool OwnFromNormalized(double normalized, U* real) const
    {
        if constexpr (std::is_same_v<T, U>)
        {
            if (!real)
                return false;
            *real = taper->NormalizedToReal(normalized);
            return true;
        }
        else
        {
            (void)normalized, (void)real;
            return false;
        }
    }

    template <typename U>
    bool SetOwn(U real)
    {
        if constexpr (std::is_same_v<T, U>)
        {
            SetRealValue(real);
            return true;
        }
        else
        {
            (void)real;
            return false;
        }
    }

    AAX_CString name;
    std::map<int32_t, AAX_CString> abbreviations; // by length
    bool automatable;
    uint32_t steps = 0;
    AAX_EParameterType type = AAX_eParameterType_Continuous;
    AAX_EParameterOrientation orientation = AAX_eParameterOrientation_Default;
    std::unique_ptr<AAX_ITaperDelegate<T>> taper;
    std::unique_ptr<AAX_IDisplayDelegate<T>> display;
    AAX_IAutomationDelegate* automationDelegate = nullptr; // not owned
    bool needNotify = true;
    AAX_CParameterValue<T> value;
    T defaultValue;
};
