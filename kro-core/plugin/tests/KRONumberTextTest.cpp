// Number texts as states and editor messages carry them.

#include "kro-core/plugin/KRONumberText.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

TEST(KRONumberText, ReadsEveryFloatTheEffectWritesAndNothingEndless)
{
    struct Case
    {
        const char* text;
        bool read;
        float value;
    };
    const Case cases[] = {
        {"0.5", true, 0.5f},
        {" 1", true, 1.0f},
        {"1.7abc", true, 1.7f},
        {"-0", true, -0.0f},
        {"2.72636629e-41", true, 2.72636629e-41f},
        {"1e-50", true, 0.0f},
        {"3.4e38", true, 3.4e38f},
        {"1e39", false, 0.0f},
        {"-1e39", false, 0.0f},
        {"nan", false, 0.0f},
        {"inf", false, 0.0f},
        {"abc", false, 0.0f},
        {"", false, 0.0f},
    };
    for (const Case& c : cases)
    {
        float value = 42.0f;
        EXPECT_EQ(ReadFloatText(c.text, value), c.read) << c.text;
        EXPECT_EQ(value, c.read ? c.value : 42.0f) << c.text;
    }
}

} // namespace
