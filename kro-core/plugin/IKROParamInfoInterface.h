#pragma once

#include <cstdint>
#include <string>

#include "KROAudioPreset.h"
#include "KROParameter.h"

// The parameter list as the effect, the editor and the adapters see it: lookup by index, counts,
// the first index of the build, value conversions and optional custom texts.
class IKROParamInfoInterface
{
public:
    // The record under the index, or null. It stays owned by the parameter info; changing it
    // changes the table.
    virtual CKROParameter* GetParameter(int32_t index) = 0;
    virtual void Reserved() = 0;
    // A copy of the preset map that shares the preset records.
    virtual KROPresetMap GetPresets() const = 0;
    virtual int32_t GetParameterMapSize() const = 0;
    virtual int32_t GetParameterCount() const = 0;
    virtual int32_t GetFirstParameterIndex() const = 0;
    // Both conversions return the value unchanged for an index without a record.
    virtual float Denormalize(int32_t index, float normalized) = 0;
    virtual float Normalize(int32_t index, float plainValue) = 0;
    virtual bool HasCustomText(int32_t index) const = 0;
    virtual std::string GetCustomText(int32_t index, float value) const = 0;
    virtual bool ParseCustomText(int32_t index, const std::string& text, float& value) const = 0;

    // Declared after the operations so that they keep their places in the table of virtuals.
    virtual ~IKROParamInfoInterface() = default;
};
