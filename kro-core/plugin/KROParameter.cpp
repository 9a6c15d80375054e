#include "KROParameter.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

// The number part of a display text stays short enough for the small fields hosts show it in.
constexpr size_t kMaxNumberTextLength = 15;

// Truncation toward zero into 32 bits. NaN gives 0 and values beyond the range saturate, so no
// value a host hands in can make the conversion undefined.
int32_t TruncateToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

int32_t RoundHalfAwayFromZero(double value)
{
    return TruncateToInt32(value > 0.0 ? value + 0.5 : value - 0.5);
}

double Linear(double normalized, double minimum, double maximum)
{
    return (maximum - minimum) * normalized + minimum;
}

// The caller has ruled out an empty range.
double NormalizeLinear(double plainValue, double minimum, double maximum)
{
    const double clamped = plainValue < minimum ? minimum : (plainValue > maximum ? maximum : plainValue);
    return (clamped - minimum) / (maximum - minimum);
}

// std::to_chars ignores the process locale: a host that sets LC_NUMERIC must not turn "440.0"
// into "440,0".
std::string IntegerText(int32_t value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string OneDecimalText(double value)
{
    char buffer[std::numeric_limits<double>::max_exponent10 + 16]; // the widest double in fixed notation
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    return std::string(buffer, result.ptr);
}

} // namespace

double DenormalizeParameterValue(double normalized, int32_t taperType, double minimum, double maximum)
{
    switch (taperType)
    {
    case kTaperStepped:
        return RoundHalfAwayFromZero(Linear(normalized, minimum, maximum));
    case kTaperLogarithmic:
        // Exactly the maximum at the top, whatever exp(log(x)) rounds to.
        if (normalized == 1.0)
            return maximum;
        return std::exp(std::log(minimum) + normalized * (std::log(maximum) - std::log(minimum)));
    case kTaperSquared:
        return normalized * normalized * (maximum - minimum) + minimum;
    default:
        return Linear(normalized, minimum, maximum);
    }
}

CKROParameter::CKROParameter(IKROParameterOwner* owner_, std::string name_, std::vector<std::string> valueLabels_,
                             double minimum_, double maximum_, double step_, double defaultPlainValue_,
                             int32_t taperType_, int32_t readOnlyFlag_, int32_t secondFlag_, int32_t thirdFlag_)
    : owner(owner_), minimum(minimum_), maximum(maximum_), step(step_), valueLabels(std::move(valueLabels_)),
      name(std::move(name_)), taperType(taperType_), readOnlyFlag(readOnlyFlag_), secondFlag(secondFlag_),
      thirdFlag(thirdFlag_)
{
    // Normalising needs the taper and the range, so it comes after they are stored.
    SetDefaultPlainValue(defaultPlainValue_);
    normalized.Store(defaultNormalized);
}

double CKROParameter::SetNormalized(double normalized_)
{
    const double plainValue = Denormalize(normalized_);
    // At the minimum this taper means minus infinity, which hosts expect at the very bottom.
    normalized.Store(taperType == kTaperLinearMinusInf && plainValue == minimum ? 0.0 : normalized_);
    if (owner != nullptr)
        owner->MarkParametersDirty();
    return plainValue;
}

void CKROParameter::SetPlainValue(double plainValue_)
{
    normalized.Store(Normalize(plainValue_));
    if (owner != nullptr)
        owner->MarkParametersDirty();
}

double CKROParameter::Normalize(double plainValue_) const
{
    // A range of one value has one position; every taper reports it as 0 rather than dividing by zero.
    if (maximum - minimum == 0.0)
        return 0.0;
    switch (taperType)
    {
    case kTaperStepped:
    {
        const double snapped =
            DenormalizeParameterValue(NormalizeLinear(plainValue_, minimum, maximum), kTaperStepped, minimum, maximum);
        return (snapped - minimum) / (maximum - minimum);
    }
    case kTaperLogarithmic:
    {
        const double n = (std::log(plainValue_) - std::log(minimum)) / (std::log(maximum) - std::log(minimum));
        return n < 0.0 ? 0.0 : (n > 1.0 ? 1.0 : n);
    }
    case kTaperSquared:
        return std::sqrt((plainValue_ - minimum) / (maximum - minimum));
    default:
        return NormalizeLinear(plainValue_, minimum, maximum);
    }
}

double CKROParameter::Denormalize(double normalized_) const
{
    return DenormalizeParameterValue(normalized_, taperType, minimum, maximum);
}

double CKROParameter::GetPlainValue() const
{
    const double plainValue = Denormalize(normalized.Load());
    if (taperType == kTaperList)
        return TruncateToInt32(plainValue + 0.5);
    return plainValue;
}

double CKROParameter::GetPresetValue() const
{
    const double plain = GetPlainValue();
    return taperType == kTaperList ? static_cast<double>(static_cast<int64_t>(plain + 0.5)) : plain;
}

double CKROParameter::SetDefaultPlainValue(double plainValue_)
{
    defaultPlainValue = plainValue_;
    defaultNormalized = Normalize(plainValue_);
    return defaultNormalized;
}

std::string CKROParameter::GetDisplayText(bool withName, bool withUnit, double value) const
{
    if (!(value >= 0.0))
        value = Denormalize(normalized.Load());

    std::string numberText =
        taperType == kTaperStepped ? IntegerText(RoundHalfAwayFromZero(value)) : OneDecimalText(value);
    if (numberText.size() > kMaxNumberTextLength)
        numberText.resize(kMaxNumberTextLength);
    const std::string labelText = LabelText(value, numberText);

    if (withUnit)
        return (withName ? name + ": " : std::string()) + numberText + " " + labelText;
    // Without the unit a list shows its label and every other taper, a switch too, its number.
    return taperType == kTaperList ? labelText : numberText;
}

std::string CKROParameter::LabelText(double value, std::string& numberText) const
{
    switch (taperType)
    {
    case kTaperList:
    {
        numberText.clear();
        const int32_t k = TruncateToInt32(value + 0.5);
        return LabelAt(k < 0 ? 0 : k);
    }
    case kTaperSwitch:
    {
        const double middle = (minimum + maximum) / 2.0;
        if (value < middle)
            return LabelAt(0);
        if (value > middle)
            return LabelAt(1);
        return std::string();
    }
    case kTaperLinear:
    case kTaperStepped:
    case kTaperLogarithmic:
    case kTaperSquared:
        return LabelAt(0);
    case kTaperLinearMinusInf:
    case kTaperLinearOffAtMinimum:
        if (value > minimum)
            return LabelAt(0);
        numberText = taperType == kTaperLinearMinusInf ? "-Inf" : "Off";
        return std::string();
    case kTaperLinearOffAtMaximum:
        if (value < maximum)
            return LabelAt(0);
        numberText = "Off";
        return std::string();
    default:
        return std::string();
    }
}

std::string CKROParameter::LabelAt(int32_t k) const
{
    return static_cast<size_t>(k) < valueLabels.size() ? valueLabels[static_cast<size_t>(k)] : std::string();
}

CKROParameter CopyParameter(const CKROParameter& source)
{
    return source;
}

CKROParameter CloneParameterForAlgorithm(IKROParameterOwner* algorithm, const CKROParameter& source)
{
    CKROParameter clone = source;
    clone.owner = algorithm;
    return clone;
}
