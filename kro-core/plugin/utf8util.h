#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Conversion between the framework's UTF-8 strings and the UTF-16 strings that file and folder
// functions take.
namespace utf8util {

// Thrown by both conversions. Carries the direction (kFromUtf8 or kFromUtf16) and the system
// error code of the failure, as the Windows conversion reports it.
class utf8_conversion_error : public std::runtime_error
{
public:
    static constexpr int32_t kFromUtf16 = 0;
    static constexpr int32_t kFromUtf8 = 1;

    utf8_conversion_error(const char* message, int32_t direction, int32_t errorCode);

    int32_t direction() const noexcept { return direction_; }
    int32_t error_code() const noexcept { return errorCode_; }

private:
    int32_t direction_;
    int32_t errorCode_;
};

// The code the system reports for text that is not valid in its encoding.
constexpr int32_t kErrorNoUnicodeTranslation = 1113;

// Strict: rejects lone continuation bytes, truncated and overlong sequences, encoded surrogates,
// code points above U+10FFFF and the bytes F5 ... FF. A null or empty text gives an empty string.
std::u16string Utf8ToUtf16(const char* text);

// Never throws for the input itself: an unpaired surrogate becomes U+FFFD, as the system's
// conversion does.
std::string Utf16ToUtf8(const std::u16string& text);

} // namespace utf8util
