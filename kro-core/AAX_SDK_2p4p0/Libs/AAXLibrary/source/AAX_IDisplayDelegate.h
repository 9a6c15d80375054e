#pragma once

#include <cstdint>

class AAX_CString;

// Converts a parameter's real value to the text the host shows, and a text back to a value.
class AAX_IDisplayDelegateBase
{
public:
    virtual ~AAX_IDisplayDelegateBase() = default;
};

template <typename T>
class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase
{
public:
    // A new delegate equal to this one, owned by the caller.
    virtual AAX_IDisplayDelegate* Clone() const = 0;
    // The text of a value in at most maxNumChars characters where the delegate can shorten it.
    virtual bool ValueToString(T value, int32_t maxNumChars, AAX_CString* valueString) const = 0;
    virtual bool ValueToString(T value, AAX_CString* valueString) const = 0;
    virtual bool StringToValue(const AAX_CString& valueString, T* value) const = 0;
};
