#pragma once

// A text both sides of the boundary read and fill: the host hands the plug-in strings to fill
// (names, value texts) and reads plug-in strings through the same operations.

#include <cstdint>

class AAX_IString
{
public:
    AAX_IString() = default;
    AAX_IString(const AAX_IString&) = default;
    virtual ~AAX_IString() = default;

    // Any thread, like every operation here. Length in bytes, without the terminator.
    virtual uint32_t Length() const = 0;
    virtual uint32_t MaxLength() const = 0;
    // The zero-terminated text, valid until the next change.
    virtual const char* Get() const = 0;
    virtual void Set(const char* text) = 0;
    virtual AAX_IString& operator=(const char* text) = 0;
    virtual AAX_IString& operator=(const AAX_IString& other) = 0;
};
