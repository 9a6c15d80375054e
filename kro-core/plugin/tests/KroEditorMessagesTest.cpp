#include "kro-core/plugin/KroEditorMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace m = KroEditorMessages;

TEST(KroEditorMessages, NoNameHidesInsideAnother)
{
    // Receivers search names anywhere in a text, so one name inside another would trigger both.
    const std::vector<std::string> names = {
        m::kGetFactoryPresets, m::kGetUserPresets,    m::kGetSelectedPresetNumber, m::kSetPresetSave,
        m::kSetPresetAsSaveAs, m::kSetPresetDelete,   m::kGetParameterText,        m::kGetPluginState,
        m::kSetZoomFactor,     m::kSaveDefaultPreset, m::kSetFactoryPresets,       m::kSetUserPresets,
        m::kSetParameterText,  m::kDspToGui,          m::kSetSelectedPresetNumber, m::kUpdateParameterValues,
    };
    for (const std::string& a : names)
    {
        for (const std::string& b : names)
        {
            if (a != b)
            {
                EXPECT_EQ(a.find(b), std::string::npos) << b << " inside " << a;
            }
        }
    }
    EXPECT_EQ(std::string(m::kSaveDefaultPreset).size(), 15u);
}

TEST(KroEditorMessages, ValueIsEverythingAfterTheFirstOccurrence)
{
    struct Case
    {
        const char* text;
        bool found;
        const char* value;
    };
    const Case cases[] = {
        {"CKROSetPresetAsSaveAsMy Bass", true, "My Bass"},
        {"xxCKROSetPresetAsSaveAs", true, ""},
        {"CKROSetPresetAsSaveAsACKROSetPresetAsSaveAsB", true, "ACKROSetPresetAsSaveAsB"},
        {"CKROSetPresetSave", false, "untouched"}, // shares its start, is another name
        {"", false, "untouched"},
    };
    for (const Case& c : cases)
    {
        std::string value = "untouched";
        EXPECT_EQ(m::FindMessageValue(c.text, m::kSetPresetAsSaveAs, value), c.found) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    // A text carrying two names is seen by both checks.
    const std::string both = std::string(m::kSetSelectedPresetNumber) + "2" + m::kSetPresetSave;
    EXPECT_TRUE(m::ContainsMessage(both, m::kSetSelectedPresetNumber));
    EXPECT_TRUE(m::ContainsMessage(both, m::kSetPresetSave));
}

TEST(KroEditorMessages, IntegersReadLikeTheReceiversDo)
{
    struct Case
    {
        const char* value;
        int32_t number;
    };
    const Case cases[] = {
        {"3", 3},
        {"", 0},
        {"abc", 0},
        {" 12 and more", 12},
        {"-1", -1},
        {"+4", 4},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 0},
        {"99999999999999999999", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(m::ReadMessageInteger(c.value), c.number) << '"' << c.value << '"';
}

} // namespace
