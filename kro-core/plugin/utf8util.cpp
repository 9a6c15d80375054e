#include "utf8util.h"

#include <cstring>

namespace utf8util {

namespace {

constexpr char kInvalidUtf8Message[] = "Invalid UTF-8 sequence found in input string.";
constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsContinuation(unsigned char byte, unsigned char lowest = 0x80, unsigned char highest = 0xBF)
{
    return byte >= lowest && byte <= highest;
}

// What a lead byte starts: the sequence length, the bits it carries and the range allowed for
// the second byte. The narrowed ranges keep out overlong forms (E0, F0), encoded surrogates (ED)
// and code points above U+10FFFF (F4). Length 0: the byte cannot start a sequence.
struct LeadByte
{
    size_t length;
    unsigned char payloadMask;
    unsigned char secondLowest;
    unsigned char secondHighest;
};

LeadByte DescribeLead(unsigned char lead)
{
    if (lead < 0x80)
        return {1, 0x7F, 0, 0};
    if (lead < 0xC2) // a continuation byte on its own, or an overlong two-byte form
        return {0, 0, 0, 0};
    if (lead < 0xE0)
        return {2, 0x1F, 0x80, 0xBF};
    if (lead == 0xE0)
        return {3, 0x0F, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x0F, 0x80, 0x9F};
    if (lead < 0xF0)
        return {3, 0x0F, 0x80, 0xBF};
    if (lead == 0xF0)
        return {4, 0x07, 0x90, 0xBF};
    if (lead < 0xF4)
        return {4, 0x07, 0x80, 0xBF};
    if (lead == 0xF4)
        return {4, 0x07, 0x80, 0x8F};
    return {0, 0, 0, 0}; // F5 ... FF never occur in UTF-8
}

[[noreturn]] void ThrowInvalidUtf8()
{
    throw utf8_conversion_error(kInvalidUtf8Message, utf8_conversion_error::kFromUtf8, kErrorNoUnicodeTranslation);
}

void AppendUtf16(std::u16string& out, char32_t codePoint)
{
    if (codePoint < 0x10000)
    {
        out += static_cast<char16_t>(codePoint);
        return;
    }
    codePoint -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (codePoint >> 10));
    out += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
}

void AppendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80)
    {
        out += static_cast<char>(codePoint);
    }
    else if (codePoint < 0x800)
    {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    else if (codePoint < 0x10000)
    {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

utf8_conversion_error::utf8_conversion_error(const char* message, int32_t direction, int32_t errorCode)
    : std::runtime_error(message), direction_(direction), errorCode_(errorCode)
{}

std::u16string Utf8ToUtf16(const char* text)
{
    std::u16string out;
    if (text == nullptr)
        return out;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const size_t length = std::strlen(text);
    out.reserve(length);

    for (size_t i = 0; i < length;)
    {
        const LeadByte lead = DescribeLead(bytes[i]);
        if (lead.length == 0 || length - i < lead.length)
            ThrowInvalidUtf8();
        if (lead.length > 1 && !IsContinuation(bytes[i + 1], lead.secondLowest, lead.secondHighest))
            ThrowInvalidUtf8();
        char32_t codePoint = bytes[i] & lead.payloadMask;
        for (size_t k = 1; k < lead.length; ++k)
        {
            if (!IsContinuation(bytes[i + k]))
                ThrowInvalidUtf8();
            codePoint = (codePoint << 6) | (bytes[i + k] & 0x3F);
        }
        AppendUtf16(out, codePoint);
        i += lead.length;
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
    {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
        {
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        }
        else if (IsHighSurrogate(unit) || IsLowSurrogate(unit))
        {
            AppendUtf8(out, kReplacementCharacter);
        }
        else
        {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

} // namespace utf8util
