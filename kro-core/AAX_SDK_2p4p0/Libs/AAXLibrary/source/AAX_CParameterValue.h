#pragma once

#include "AAX_IParameterValue.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

// Room for a parameter identifier: at most 31 characters and the terminator. (The name's spelling
// is the one the assertion text shows.)
enum : int32_t
{
    eParemeterDefaultMaxIdentifierSize = 32
};

// The value record of a parameter of type T (bool, 32-bit int or float).
template <typename T>
class AAX_CParameterValue : public AAX_IParameterValue
{
    static_assert(std::is_same_v<T, bool> || std::is_same_v<T, int32_t> || std::is_same_v<T, float>,
                  "parameter values are bool, int32_t or float");

public:
    // A null identifier is the empty one; a longer one keeps its first 31 characters.
    AAX_CParameterValue(const char* identifier, T initialValue) : value(initialValue)
    {
        if (identifier)
            std::strncpy(id, identifier, sizeof(id) - 1);
    }

    AAX_CParameterValue* Clone() const override { return new AAX_CParameterValue(*this); }
    const char* Identifier() const override { return id; }

    bool GetValueAsBool(bool* out) const override { return Answer<bool>(out); }
    bool GetValueAsInt32(int32_t* out) const override { return Answer<int32_t>(out); }
    bool GetValueAsFloat(float* out) const override { return Answer<float>(out); }
    bool GetValueAsDouble(double*) const override { return false; }
    bool GetValueAsString(AAX_IString*) const override { return false; }

    T Get() const { return value; }
    void Set(T newValue) { value = newValue; }

private:
    template <typename U>
    bool Answer(U* out) const
    {
        if constexpr (std::is_same_v<T, U>)
        {
            if (!out)
                return false;
            *out = value;
            return true;
        }
        else
        {
            (void)out;
            return false;
        }
    }

    char id[eParemeterDefaultMaxIdentifierSize] = {};
    T value;
};
