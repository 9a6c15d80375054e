#pragma once

#include <cstdint>

namespace VSTGUI {

// An 8-bit RGBA colour; alpha 255 is opaque.
struct CColor
{
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;

    constexpr CColor() = default;
    constexpr CColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) : red(r), green(g), blue(b), alpha(a) {}

    constexpr bool operator==(const CColor& c) const
    {
        return red == c.red && green == c.green && blue == c.blue && alpha == c.alpha;
    }
    constexpr bool operator!=(const CColor& c) const { return !(*this == c); }
};

constexpr CColor kBlackCColor(0, 0, 0, 255);
constexpr CColor kWhiteCColor(255, 255, 255, 255);
constexpr CColor kTransparentCColor(0, 0, 0, 0);

} // namespace VSTGUI
