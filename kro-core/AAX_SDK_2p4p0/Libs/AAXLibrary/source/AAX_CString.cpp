#include "AAX_CString.h"

#include <algorithm>
#include <cstring>
#include <iomanip>
#include <locale>
#include <sstream>

AAX_CString::AAX_CString(const char* text) : text(text != nullptr ? text : "") {}

AAX_CString::AAX_CString(const std::string& text) : text(text) {}

AAX_CString::AAX_CString(const AAX_IString& other) : AAX_CString(other.Get()) {}

uint32_t AAX_CString::Length() const
{
    return static_cast<uint32_t>(text.size());
}

uint32_t AAX_CString::MaxLength() const
{
    return 0xFFFFFFFE;
}

const char* AAX_CString::Get() const
{
    return text.c_str();
}

void AAX_CString::Set(const char* newText)
{
    text = newText != nullptr ? newText : "";
}

AAX_CString& AAX_CString::operator=(const char* newText)
{
    Set(newText);
    return *this;
}

AAX_CString& AAX_CString::operator=(const AAX_IString& other)
{
    if (&other != this)
        Set(other.Get());
    return *this;
}

AAX_CString& AAX_CString::operator=(const AAX_CString& other)
{
    if (&other != this)
        text = other.text;
    return *this;
}

AAX_CString& AAX_CString::operator=(AAX_CString&& other) noexcept
{
    text.swap(other.text);
    return *this;
}

void AAX_CString::Clear()
{
    text.clear();
}

void AAX_CString::Erase(uint32_t position, uint32_t count)
{
    text.erase(position, count);
}

void AAX_CString::AppendNumber(double number, int32_t precision)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::fixed << std::setprecision(std::max(precision, 0)) << number;
    text += stream.str();
}

void AAX_CString::SubString(uint32_t position, uint32_t count, AAX_IString* out) const
{
    const std::string part = text.substr(position, count);
    if (out != nullptr)
        out->Set(part.c_str());
}

bool AAX_CString::ToDouble(double* number) const
{
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    double value = 0.0;
    const bool read = static_cast<bool>(stream >> value);
    if (number != nullptr)
        *number = read ? value : 0.0;
    return read;
}

bool AAX_CString::operator==(const AAX_CString& other) const
{
    return std::strcmp(text.c_str(), other.text.c_str()) == 0;
}
