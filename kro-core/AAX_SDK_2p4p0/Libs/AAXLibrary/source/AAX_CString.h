#pragma once

// The library's own text: an owned, growable byte string behind the host's string interface.
// Numbers are written and read in the classic "C" form whatever the process locale is.

#include "aaxsdk/AAX_IString.h"

#include <string>

class AAX_CString : public AAX_IString
{
public:
    AAX_CString() = default;
    // A null text gives the empty string.
    AAX_CString(const char* text);
    explicit AAX_CString(const std::string& text);
    AAX_CString(const AAX_CString& other) = default;
    AAX_CString(AAX_CString&& other) noexcept = default;
    explicit AAX_CString(const AAX_IString& other);

    uint32_t Length() const override;
    uint32_t MaxLength() const override;
    const char* Get() const override;
    void Set(const char* text) override;
    AAX_CString& operator=(const char* text) override;
    AAX_CString& operator=(const AAX_IString& other) override;
    AAX_CString& operator=(const AAX_CString& other);
    AAX_CString& operator=(AAX_CString&& other) noexcept;

    const char* CString() const { return text.c_str(); }
    const std::string& StdString() const { return text; }

    void Clear();
    // Removes count bytes from position, fewer at the end; std::out_of_range past the length.
    void Erase(uint32_t position, uint32_t count);
    // The number in fixed-point notation with exactly that many digits after the point.
    void AppendNumber(double number, int32_t precision);
    // Up to count bytes from position into out; std::out_of_range past the length.
    void SubString(uint32_t position, uint32_t count, AAX_IString* out) const;
    // The decimal number at the start of the text; false and 0 when there is none.
    bool ToDouble(double* number) const;

    // No range check, as for a plain text.
    char operator[](uint32_t position) const { return text.c_str()[position]; }
    bool operator==(const AAX_CString& other) const;
    bool operator!=(const AAX_CString& other) const { return !(*this == other); }
    void Swap(AAX_CString& other) noexcept { text.swap(other.text); }

private:
    std::string text;
};
