#include "WindowPicture.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// A picture counts as painted when at most this share of its pixels is black.
constexpr double kMostlyBlack = 0.5;
// A lit display shows at least this many pixels of its LEDs' green and red.
constexpr long kLitPixels = 200;

} // namespace

WindowPicture ReadWindowPicture(xcb_connection_t* connection, uint32_t window, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    xcb_get_image_reply_t* image =
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          static_cast<uint16_t>(width), static_cast<uint16_t>(height), ~0u),
                            nullptr);
    if (image == nullptr)
        return {};
    const int length = xcb_get_image_data_length(image);
    const uint8_t* data = xcb_get_image_data(image);
    long black = 0;
    long lit = 0;
    long pixels = 0;
    // A 24-bit screen stores a pixel in four bytes, blue first.
    for (int i = 0; i + 3 < length; i += 4, ++pixels)
    {
        const int blue = data[i];
        const int green = data[i + 1];
        const int red = data[i + 2];
        black += (red | green | blue) == 0;
        lit += (green > 150 && red < 130 && blue < 130) || (red > 180 && green < 100 && blue < 100);
    }
    std::free(image);
    return {pixels > 0 && static_cast<double>(black) <= kMostlyBlack * static_cast<double>(pixels), lit >= kLitPixels};
}
