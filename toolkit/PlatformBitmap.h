#pragma once

#include "CColor.h"

#include <memory>
#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI {

class PlatformBitmap;
using PlatformBitmapPtr = std::shared_ptr<PlatformBitmap>;

// Pixels of one bitmap at one scale factor: a premultiplied ARGB cairo image.
class PlatformBitmap
{
public:
    ~PlatformBitmap();
    PlatformBitmap(const PlatformBitmap&) = delete;
    PlatformBitmap& operator=(const PlatformBitmap&) = delete;

    // Each returns null when the data is no readable PNG.
    static PlatformBitmapPtr createFromPNG(const void* data, size_t size);
    static PlatformBitmapPtr createFromFile(const std::string& path);
    static PlatformBitmapPtr createFromResource(int id);
    // A transparent image of the size; null for a size that is not positive.
    static PlatformBitmapPtr create(int width, int height);

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    // 2.0 for an image drawn at twice the resolution of its size in points.
    double getScaleFactor() const { return scaleFactor; }
    void setScaleFactor(double factor) { scaleFactor = factor > 0 ? factor : 1.0; }

    cairo_surface_t* getSurface() const { return surface; }
    // The unpremultiplied colour of one pixel; transparent outside the image.
    CColor getPixel(int x, int y) const;
    bool writePNG(const std::string& path) const;
    // The image as PNG bytes (empty when encoding fails).
    std::string encodePNG() const;

private:
    explicit PlatformBitmap(cairo_surface_t* surface);
    static PlatformBitmapPtr adopt(cairo_surface_t* surface);

    cairo_surface_t* surface;
    int width;
    int height;
    double scaleFactor = 1.0;
};

} // namespace VSTGUI
