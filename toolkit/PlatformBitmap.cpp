#include "PlatformBitmap.h"

#include "ResourceTable.h"

#include <cairo.h>
#include <cstring>

namespace VSTGUI {

namespace {

struct PngReader
{
    const unsigned char* data;
    size_t size;
    size_t position;
};

cairo_status_t appendPng(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

cairo_status_t readPng(void* closure, unsigned char* out, unsigned int length)
{
    auto* reader = static_cast<PngReader*>(closure);
    if (length > reader->size - reader->position)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, reader->data + reader->position, length);
    reader->position += length;
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

PlatformBitmap::PlatformBitmap(cairo_surface_t* surface)
    : surface(surface), width(cairo_image_surface_get_width(surface)), height(cairo_image_surface_get_height(surface))
{}

PlatformBitmap::~PlatformBitmap()
{
    cairo_surface_destroy(surface);
}

PlatformBitmapPtr PlatformBitmap::adopt(cairo_surface_t* surface)
{
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS || cairo_image_surface_get_width(surface) <= 0)
    {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    PlatformBitmap* bitmap = nullptr;
    try
    {
        bitmap = new PlatformBitmap(surface);
    }
    catch (...)
    {
        cairo_surface_destroy(surface); // no owner came to be
        throw;
    }
    return PlatformBitmapPtr(bitmap); // deletes the bitmap, and so the surface, when it cannot take it
}

PlatformBitmapPtr PlatformBitmap::createFromPNG(const void* data, size_t size)
{
    if (!data || size == 0)
        return nullptr;
    PngReader reader{static_cast<const unsigned char*>(data), size, 0};
    return adopt(cairo_image_surface_create_from_png_stream(readPng, &reader));
}

PlatformBitmapPtr PlatformBitmap::createFromFile(const std::string& path)
{
    return adopt(cairo_image_surface_create_from_png(path.c_str()));
}

PlatformBitmapPtr PlatformBitmap::createFromResource(int id)
{
    const ResourceData* resource = ResourceTable::find(id);
    return resource ? createFromPNG(resource->data, resource->size) : nullptr;
}

PlatformBitmapPtr PlatformBitmap::create(int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    return adopt(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

CColor PlatformBitmap::getPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return kTransparentCColor;
    cairo_surface_flush(surface);
    const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    uint32_t argb;
    std::memcpy(&argb, row + x * 4, sizeof argb);
    auto alpha = static_cast<uint8_t>(argb >> 24);
    auto unpremultiply = [alpha](uint32_t c) {
        return static_cast<uint8_t>(alpha ? (c * 255 + alpha / 2) / alpha : 0);
    };
    return CColor(unpremultiply((argb >> 16) & 0xff), unpremultiply((argb >> 8) & 0xff), unpremultiply(argb & 0xff),
                  alpha);
}

bool PlatformBitmap::writePNG(const std::string& path) const
{
    return cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

std::string PlatformBitmap::encodePNG() const
{
    std::string bytes;
    cairo_surface_flush(surface);
    if (cairo_surface_write_to_png_stream(surface, appendPng, &bytes) != CAIRO_STATUS_SUCCESS)
        bytes.clear();
    return bytes;
}

} // namespace VSTGUI
