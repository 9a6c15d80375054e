#include "tuner/gui/LedCurve.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(LedCurve, FullNearTheCentreFallingLinearlyThenDarkWithTheJumps)
{
    const float inf = std::numeric_limits<float>::infinity();
    const struct
    {
        float b;
        float brightness;
    } cases[] = {
        {-inf, 0.f},
        {-1.f, 0.f},
        {std::nextafter(-0.85f, -1.f), 0.f},
        {-0.85f, 0.2375f}, // the jump at -0.85
        {-0.5f, 0.5f},
        {std::nextafter(-0.15f, -1.f), 0.7625f},
        {-0.15f, 1.f}, // the jump at -0.15
        {0.f, 1.f},
        {0.15f, 1.f},
        {std::nextafter(0.15f, 1.f), 0.7625f}, // the jump at +0.15
        {0.45f, 0.5375f},
        {0.85f, 0.2375f},
        {std::nextafter(0.85f, 1.f), 0.f}, // the jump at +0.85
        {1.f, 0.f},
        {inf, 0.f},
        {std::numeric_limits<float>::quiet_NaN(), 0.f},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(LedCurve(c.b), c.brightness, 1e-6f) << c.b;
}

} // namespace
