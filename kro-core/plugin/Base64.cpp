#include "Base64.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kFill = '=';
constexpr int kNotInAlphabet = -1;

int ValueOf(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return kNotInAlphabet;
}

} // namespace

std::string Base64Encode(const uint8_t* bytes, size_t count)
{
    std::string text;
    text.reserve((count + 2) / 3 * 4);
    for (size_t i = 0; i < count; i += 3)
    {
        const size_t groupSize = count - i < 3 ? count - i : 3;
        const uint32_t b0 = bytes[i];
        const uint32_t b1 = groupSize > 1 ? bytes[i + 1] : 0;
        const uint32_t b2 = groupSize > 2 ? bytes[i + 2] : 0;
        const uint32_t group = (b0 << 16) | (b1 << 8) | b2;
        text += kAlphabet[(group >> 18) & 0x3F];
        text += kAlphabet[(group >> 12) & 0x3F];
        text += groupSize > 1 ? kAlphabet[(group >> 6) & 0x3F] : kFill;
        text += groupSize > 2 ? kAlphabet[group & 0x3F] : kFill;
    }
    return text;
}

std::string Base64Decode(const std::string& text)
{
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3 + 2);
    uint32_t group = 0;
    int groupSize = 0;
    for (const char c : text)
    {
        const int value = ValueOf(c);
        if (value == kNotInAlphabet)
            break; // "=" is outside the alphabet too: it ends the data like any foreign character
        group = (group << 6) | static_cast<uint32_t>(value);
        if (++groupSize == 4)
        {
            bytes += static_cast<char>((group >> 16) & 0xFF);
            bytes += static_cast<char>((group >> 8) & 0xFF);
            bytes += static_cast<char>(group & 0xFF);
            group = 0;
            groupSize = 0;
        }
    }
    // A final group of 2 or 3 characters holds 1 or 2 bytes; a lone character holds none.
    if (groupSize >= 2)
    {
        group <<= 6 * (4 - groupSize);
        bytes += static_cast<char>((group >> 16) & 0xFF);
        if (groupSize == 3)
            bytes += static_cast<char>((group >> 8) & 0xFF);
    }
    return bytes;
}
