// Drawing runs on every display refresh; it must not allocate. This file counts the program's
// operator new calls while the view draws on a real context with real LED bitmaps.
#include "tuner/gui/CKROVirenoDisplay.h"
#include "tuner/gui/CKROVirenoGUIContainer.h"
#include "toolkit/vstgui.h"

#include <atomic>
#include <cairo.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {

std::atomic<bool> counting{false};
std::atomic<int> allocations{0};

void* allocate(std::size_t size)
{
    if (counting)
        ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size)
{
    return allocate(size);
}
void* operator new[](std::size_t size)
{
    return allocate(size);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

using namespace VSTGUI;

TEST(DisplayDrawing, AllocatesNothingInAnyPicture)
{
    CKROVirenoGUIContainer bitmaps;
    bitmaps.LoadBitmaps();
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 452, 266);
    cairo_t* cairo = cairo_create(surface);
    {
        CDrawContext context(cairo, 1.0);
        auto* display = new CKROVirenoDisplay(CRect(2, 16, 312, 197), {bitmaps.GetBitmap(161), bitmaps.GetBitmap(162),
                                                                       bitmaps.GetBitmap(163), bitmaps.GetBitmap(164)});
        TunerResultBlock reading;
        reading.notePresentArc = 1.f;
        reading.notePresentName = 1.f;
        reading.inTune = 1.f;
        reading.note = 10;
        reading.strobeSpeed = 0.3f;
        for (int s = 0; s < 6; ++s)
            reading.stringPresence[s] = 1.f;
        const TunerResultBlock needle = reading;
        reading.polyphonicFlag = 1.f;
        reading.notePresentArc = 0.f;
        const TunerResultBlock strings = reading;

        for (int mode : {CKROVirenoDisplay::kNeedleMode, CKROVirenoDisplay::kStrobeMode})
        {
            display->setDisplayMode(mode);
            for (const TunerResultBlock& shown : {needle, strings})
            {
                display->setReading(shown);
                allocations = 0;
                counting = true;
                display->draw(&context);
                counting = false;
                EXPECT_EQ(allocations, 0) << "mode " << mode << ", polyphonic " << shown.polyphonicFlag;
            }
        }
        display->forget();
    }
    cairo_destroy(cairo);
    cairo_surface_destroy(surface);
}

} // namespace
