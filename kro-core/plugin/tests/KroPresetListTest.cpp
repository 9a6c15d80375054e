#include "kro-core/plugin/KroPresetList.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "kro-core/plugin/KroEditorMessages.h"

namespace {

namespace m = KroEditorMessages;
namespace list = KroPresetList;

TEST(KroPresetList, EntriesFollowTheNameWithNothingBetween)
{
    EXPECT_EQ(list::BuildPresetListMessage(m::kSetFactoryPresets, {"Default"}, {"Vireno"}),
              "CKROSetFactoryPresetsMessage<CKROPRESET><CKROPRESETINFO>Vireno</CKROPRESETINFO>Default");
    EXPECT_EQ(list::BuildPresetListMessage(m::kSetUserPresets, {"A", "B"}, {"Vireno"}),
              "CKROSetUserPresetsMessage<CKROPRESET><CKROPRESETINFO>Vireno</CKROPRESETINFO>A"
              "<CKROPRESET><CKROPRESETINFO></CKROPRESETINFO>B");
    EXPECT_EQ(list::BuildPresetListMessage(m::kSetUserPresets, {}, {}), "CKROSetUserPresetsMessage");
}

TEST(KroPresetList, ReadsTheNamesBack)
{
    struct Case
    {
        const char* what;
        std::string text;
        std::vector<std::string> names;
    };
    const std::vector<std::string> three = {"Default", "Drop D", ""};
    const Case cases[] = {
        {"as built", list::BuildPresetListMessage(m::kSetUserPresets, three, {"Vireno", "Vireno", "Vireno"}), three},
        {"empty list", "CKROSetUserPresetsMessage", {}},
        {"after other text", "DSP2GUIStringCKROSetUserPresetsMessage<CKROPRESET>A", {"A"}},
        {"no info parts", "CKROSetUserPresetsMessage<CKROPRESET>A<CKROPRESET>B", {"A", "B"}},
        {"info on the second only",
         "CKROSetUserPresetsMessage<CKROPRESET>A<CKROPRESET><CKROPRESETINFO>x</CKROPRESETINFO>B",
         {"A", "B"}},
        {"info never closed", "CKROSetUserPresetsMessage<CKROPRESET><CKROPRESETINFO>A<CKROPRESET>B", {"", "B"}},
        {"text before the first entry", "CKROSetUserPresetsMessagejunk<CKROPRESET>A", {"A"}},
        {"no entry marker", "CKROSetUserPresetsMessageA", {}},
    };
    for (const Case& c : cases)
    {
        std::vector<std::string> names = {"old"};
        EXPECT_TRUE(list::ParsePresetListMessage(c.text, m::kSetUserPresets, names)) << c.what;
        EXPECT_EQ(names, c.names) << c.what;
    }

    std::vector<std::string> names = {"old"};
    EXPECT_FALSE(list::ParsePresetListMessage("CKROSetFactoryPresetsMessage<CKROPRESET>A", m::kSetUserPresets, names));
    EXPECT_EQ(names, std::vector<std::string>{"old"});
}

TEST(KroPresetList, UserPresetsAreNumberedAfterTheFactoryPresets)
{
    const std::map<std::string, int32_t> expected = {{"Lead", 1}, {"Rhythm", 2}};
    EXPECT_EQ(list::NumberUserPresets({"Lead", "Rhythm", "Lead"}, 1), expected);
    EXPECT_TRUE(list::NumberUserPresets({}, 1).empty());
}

} // namespace
