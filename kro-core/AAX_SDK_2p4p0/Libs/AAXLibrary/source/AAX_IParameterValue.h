#pragma once

#include <cstdint>

class AAX_IString;

// One parameter's identifier and value as a record of its own. A record answers only for its own
// type; every other typed getter returns false.
class AAX_IParameterValue
{
public:
    virtual ~AAX_IParameterValue() = default;
    // A new record with the same identifier and value, owned by the caller.
    virtual AAX_IParameterValue* Clone() const = 0;
    virtual const char* Identifier() const = 0;
    virtual bool GetValueAsBool(bool* value) const = 0;
    virtual bool GetValueAsInt32(int32_t* value) const = 0;
    virtual bool GetValueAsFloat(float* value) const = 0;
    virtual bool GetValueAsDouble(double* value) const = 0;
    virtual bool GetValueAsString(AAX_IString* value) const = 0;
};
