#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "IKROParameterOwner.h"
#include "KROTaperType.h"

// Plain value for a normalised one under the given taper. Never clamps: hosts and presets may
// hand in values outside 0 ... 1 and get the matching plain value back.
double DenormalizeParameterValue(double normalized, int32_t taperType, double minimum, double maximum);

// A value one thread writes while another reads it, published whole; a copy takes the value as it
// stands.
class KROSharedDouble
{
public:
    explicit KROSharedDouble(double initial = 0.0) : value(initial) {}
    KROSharedDouble(const KROSharedDouble& other) : value(other.Load()) {}
    KROSharedDouble& operator=(const KROSharedDouble& other)
    {
        Store(other.Load());
        return *this;
    }
    double Load() const { return value.load(std::memory_order_relaxed); }
    void Store(double newValue) { value.store(newValue, std::memory_order_relaxed); }

private:
    std::atomic<double> value;
    static_assert(std::atomic<double>::is_always_lock_free, "the audio thread takes no lock");
};

// One parameter: name, value labels, range, taper, default and current value. Records live by
// value in parameter maps; the owner is a plain back reference to the algorithm holding the map.
// The current value is set on the audio thread (host automation) and on the user-interface thread
// (states, the editor) and read on both: it is kept as the normalised value alone, one atomic, and
// the plain value is derived from it where it is read, so no reader sees a mismatched pair.
class CKROParameter
{
public:
    CKROParameter(IKROParameterOwner* owner, std::string name, std::vector<std::string> valueLabels, double minimum,
                  double maximum, double step, double defaultPlainValue, int32_t taperType, int32_t readOnlyFlag,
                  int32_t secondFlag, int32_t thirdFlag);

    // Stores the normalised value and its plain value, tells the owner; returns the plain value.
    double SetNormalized(double normalized);
    // Stores a plain value (a preset's, already clamped by the caller) with its normalised value,
    // tells the owner.
    void SetPlainValue(double plainValue);
    double Normalize(double plainValue) const;
    double Denormalize(double normalized) const;

    // Changes the default only; the current value stays. Returns the new default normalised value.
    double SetDefaultPlainValue(double plainValue);

    // A negative value stands for the current plain value.
    std::string GetDisplayText(bool withName, bool withUnit, double value) const;

    std::string GetName() const { return name; }
    double GetNormalized() const { return normalized.Load(); }
    double GetPlainValue() const;
    // The value as a preset stores it: a list parameter's label number, any other its plain value.
    double GetPresetValue() const;
    double GetDefaultPlainValue() const { return defaultPlainValue; }
    double GetDefaultNormalized() const { return defaultNormalized; }
    double GetMinimum() const { return minimum; }
    double GetMaximum() const { return maximum; }
    double GetStep() const { return step; }
    const std::vector<std::string>& GetValueLabels() const { return valueLabels; }
    int32_t GetTaperType() const { return taperType; }
    int32_t GetReadOnlyFlag() const { return readOnlyFlag; }
    int32_t GetSecondFlag() const { return secondFlag; }
    int32_t GetThirdFlag() const { return thirdFlag; }
    IKROParameterOwner* GetOwner() const { return owner; }

private:
    friend CKROParameter CloneParameterForAlgorithm(IKROParameterOwner* algorithm, const CKROParameter& source);

    std::string LabelText(double value, std::string& numberText) const;
    std::string LabelAt(int32_t k) const;

    IKROParameterOwner* owner = nullptr;
    KROSharedDouble normalized;
    double defaultPlainValue = 0.0;
    double defaultNormalized = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    double step = 0.0;
    std::vector<std::string> valueLabels;
    std::string name;
    int32_t taperType = kTaperLinear;
    int32_t readOnlyFlag = 0;
    int32_t secondFlag = 0;
    int32_t thirdFlag = 0;
};

// Parameter index -> record.
using KROParameterMap = std::map<int32_t, CKROParameter>;

// A full copy, owner included.
CKROParameter CopyParameter(const CKROParameter& source);

// A copy that the given algorithm owns; a list parameter's plain value is snapped to its label.
CKROParameter CloneParameterForAlgorithm(IKROParameterOwner* algorithm, const CKROParameter& source);
