#include "tuner/plugin/KROPresetStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "kro-core/plugin/KROStateTreeCheck.h"
#include "platform/testing/FakePlatform.h"
#include "tuner/plugin/KROVirenoParamTable.h"
#include "platform/testing/TemporaryFolder.h"
#include "platform/testing/TestFiles.h"
#include "tuner/plugin/TunerParameterIndex.h"

namespace {

namespace fs = std::filesystem;
using platform::testing::ReadWholeFile;
using platform::testing::WriteWholeFile;

constexpr char kTableDefaultFile[] = R"(<?xml version="1.0" encoding="utf-8"?>
<KroPreset>
  <Type>Vireno Default Preset</Type>
  <PlugName>Vireno</PlugName>
  <PlugVersion>110</PlugVersion>
  <Preset>
    <PresetName>Default</PresetName>
    <Parameters>
      <Select_Instrument>0</Select_Instrument>
      <Display_Mode>0</Display_Mode>
      <Drop_Tuning>0</Drop_Tuning>
      <Reference_Frequency>5</Reference_Frequency>
      <Color_Set>0</Color_Set>
    </Parameters>
  </Preset>
</KroPreset>
)";

// Bass, Stream, D, 442, Yellow & Blue.
constexpr char kBassStreamFile[] = R"(<?xml version="1.0" encoding="utf-8"?>
<KroPreset>
  <Type>Vireno Default Preset</Type>
  <PlugName>Vireno</PlugName>
  <PlugVersion>110</PlugVersion>
  <Preset>
    <PresetName>Default</PresetName>
    <Parameters>
      <Select_Instrument>1</Select_Instrument>
      <Display_Mode>1</Display_Mode>
      <Drop_Tuning>2</Drop_Tuning>
      <Reference_Frequency>7</Reference_Frequency>
      <Color_Set>1</Color_Set>
    </Parameters>
  </Preset>
</KroPreset>
)";

const std::vector<float> kTableDefaults{0, 0, 0, 5, 0};

// A file like the writer's, with the given lines between <Preset> and </Preset> and the given
// header lines (Type, PlugName, PlugVersion).
std::string PresetFile(const std::string& header, const std::string& preset)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<KroPreset>\n" + header + "<Preset>\n" + preset +
           "</Preset>\n</KroPreset>\n";
}

const std::string kHeader = "<Type>Vireno Default Preset</Type>\n<PlugName>Vireno</PlugName>\n"
                            "<PlugVersion>110</PlugVersion>\n";

std::string Parameters(const std::string& drop, const std::string& extra = "")
{
    return "<Parameters>\n<Select_Instrument>1</Select_Instrument>\n<Display_Mode>1</Display_Mode>\n"
           "<Drop_Tuning>" +
           drop +
           "</Drop_Tuning>\n<Reference_Frequency>7</Reference_Frequency>\n"
           "<Color_Set>1</Color_Set>\n" +
           extra + "</Parameters>\n";
}

class PresetStore : public ::testing::Test
{
protected:
    PresetStore() { fake.SetAppDataFolder(appData.string()); }

    void ExpectPreset(const CKROPresetStore& store, const std::string& name, const std::vector<float>& values)
    {
        ASSERT_EQ(store.GetPresets().size(), 1u);
        const CKROAudioPreset& preset = store.GetPresets().at(0);
        EXPECT_EQ(preset.GetName(), name);
        EXPECT_EQ(preset.GetValues(), values);
        EXPECT_EQ(preset.GetFactoryFlag(), 1);
    }

    platform::testing::TemporaryFolder temporary;
    const fs::path appData = temporary.Path() / "config";
    const fs::path folder = appData / "Halvard Sonics" / "Vireno";
    const fs::path file = folder / "Default.xml";
    platform::FakePlatform fake;
    platform::ScopedPlatform scope{fake};
};

TEST_F(PresetStore, FreshFolderGetsTheTableDefaults)
{
    const CKROPresetStore store;
    EXPECT_EQ(store.GetPresetFolder().string(), folder.string());
    EXPECT_EQ(ReadWholeFile(file), kTableDefaultFile);
    ExpectPreset(store, "Default", kTableDefaults);
}

TEST_F(PresetStore, LoadsAUsersFile)
{
    struct Case
    {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"as written", kBassStreamFile},
        {"another version", PresetFile("<Type>Vireno Default Preset</Type><PlugName>Vireno</PlugName>"
                                       "<PlugVersion>999</PlugVersion>",
                                       "<PresetName>Mine</PresetName>" + Parameters("2"))},
        {"no version", PresetFile("<Type>Vireno Default Preset</Type><PlugName>Vireno</PlugName>",
                                  "<PresetName>Mine</PresetName>" + Parameters("2"))},
        {"extra element",
         PresetFile(kHeader, "<PresetName>Mine</PresetName>" + Parameters("2", "<Future_Knob>3</Future_Knob>"))},
        {"blanks around a number", PresetFile(kHeader, "<PresetName>Mine</PresetName>" + Parameters("\n  2\n"))},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        fs::create_directories(folder);
        WriteWholeFile(file, c.text);
        const CKROPresetStore store;
        const std::string name = c.text == kBassStreamFile ? "Default" : "Mine";
        ExpectPreset(store, name, {1, 1, 2, 7, 1});
        EXPECT_EQ(ReadWholeFile(file), c.text); // a usable file is never rewritten on load
    }
}

TEST_F(PresetStore, ClampsValuesToTheirParameters)
{
    fs::create_directories(folder);
    const std::string text = PresetFile(kHeader, "<PresetName>Wild</PresetName><Parameters>"
                                                 "<Select_Instrument>-1</Select_Instrument>"
                                                 "<Display_Mode>0.5</Display_Mode>"
                                                 "<Drop_Tuning>9</Drop_Tuning>"
                                                 "<Reference_Frequency>1e30</Reference_Frequency>"
                                                 "<Color_Set>2</Color_Set></Parameters>");
    WriteWholeFile(file, text);
    const CKROPresetStore store;
    ExpectPreset(store, "Wild", {0, 0.5f, 5, 10, 1});
}

TEST_F(PresetStore, ReplacesAForeignOrBrokenFileWithTheTableDefaults)
{
    struct Case
    {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"not XML", "\x01\x02 garbage \xff"},
        {"cut short", std::string(kBassStreamFile).substr(0, 200)},
        {"other root", "<Preset><PresetName>Mine</PresetName></Preset>"},
        {"type differs in case", PresetFile("<Type>vireno default preset</Type><PlugName>Vireno</PlugName>",
                                            "<PresetName>Mine</PresetName>" + Parameters("2"))},
        {"other product", PresetFile("<Type>Vireno Default Preset</Type><PlugName>Other</PlugName>",
                                     "<PresetName>Mine</PresetName>" + Parameters("2"))},
        {"no preset", "<KroPreset><Type>Vireno Default Preset</Type><PlugName>Vireno</PlugName></KroPreset>"},
        {"no Color_Set", PresetFile(kHeader, "<PresetName>Mine</PresetName><Parameters><Select_Instrument>1"
                                             "</Select_Instrument><Display_Mode>1</Display_Mode><Drop_Tuning>2"
                                             "</Drop_Tuning><Reference_Frequency>7</Reference_Frequency>"
                                             "</Parameters>")},
        {"text for a number", PresetFile(kHeader, "<PresetName>Mine</PresetName>" + Parameters("D"))},
        {"number with a tail", PresetFile(kHeader, "<PresetName>Mine</PresetName>" + Parameters("2x"))},
        {"not a number", PresetFile(kHeader, "<PresetName>Mine</PresetName>" + Parameters("nan"))},
        {"infinite", PresetFile(kHeader, "<PresetName>Mine</PresetName>" + Parameters("inf"))},
        {"beyond float", PresetFile(kHeader, "<PresetName>Mine</PresetName>" + Parameters("1e40"))},
        {"empty name", PresetFile(kHeader, "<PresetName></PresetName>" + Parameters("2"))},
        {"a name no state may carry",
         PresetFile(kHeader, "<PresetName>" + std::string(kMaxStatePresetNameBytes + 1, 'n') + "</PresetName>" +
                                 Parameters("2"))},
        {"a close tag of another name", PresetFile(kHeader, "<PresetName>Mine</PresetNam>" + Parameters("2"))},
        {"a second root", PresetFile(kHeader, "<PresetName>Mine</PresetName>" + Parameters("2")) + "<KroPreset/>"},
        {"no name", PresetFile(kHeader, Parameters("2"))},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        fs::create_directories(folder);
        WriteWholeFile(file, c.text);
        const CKROPresetStore store;
        ExpectPreset(store, "Default", kTableDefaults);
        EXPECT_EQ(ReadWholeFile(file), kTableDefaultFile);
    }
}

TEST_F(PresetStore, UnwritablePlacesLeaveNoPresetAndAreLeftAlone)
{
    struct Case
    {
        const char* what;
        void (*arrange)(const fs::path& appData);
        fs::path (*probe)(const fs::path& appData); // what must still be as arranged
    };
    const Case cases[] = {
        {"a folder in place of the file",
         [](const fs::path& a) { fs::create_directories(a / "Halvard Sonics" / "Vireno" / "Default.xml"); },
         [](const fs::path& a) { return a / "Halvard Sonics" / "Vireno" / "Default.xml"; }},
        {"a file in place of the folder",
         [](const fs::path& a) {
             fs::create_directories(a / "Halvard Sonics");
             WriteWholeFile(a / "Halvard Sonics" / "Vireno", "mine");
         },
         [](const fs::path& a) { return a / "Halvard Sonics" / "Vireno"; }},
        {"a file in place of the maker's folder",
         [](const fs::path& a) {
             fs::create_directories(a);
             WriteWholeFile(a / "Halvard Sonics", "mine");
         },
         [](const fs::path& a) { return a / "Halvard Sonics"; }},
        {"a link to /dev/full",
         [](const fs::path& a) {
             fs::create_directories(a / "Halvard Sonics" / "Vireno");
             fs::create_symlink("/dev/full", a / "Halvard Sonics" / "Vireno" / "Default.xml");
         },
         [](const fs::path& a) { return a / "Halvard Sonics" / "Vireno" / "Default.xml"; }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        fs::remove_all(appData);
        c.arrange(appData);
        const fs::path probe = c.probe(appData);
        const fs::file_status before = fs::symlink_status(probe);

        CKROPresetStore store;
        EXPECT_TRUE(store.GetPresets().empty());
        EXPECT_FALSE(store.WriteDefaultPreset({1, 1, 2, 7, 1}));
        EXPECT_TRUE(store.LoadPresets());
        EXPECT_TRUE(store.GetPresets().empty());

        EXPECT_EQ(fs::symlink_status(probe).type(), before.type());
        if (fs::is_regular_file(fs::symlink_status(probe)))
        {
            EXPECT_EQ(ReadWholeFile(probe), "mine");
        }
    }
}

TEST_F(PresetStore, SavesTheChosenLabelsAsTheirNumbers)
{
    CKROPresetStore store;
    // What the effect hands over after "Bass", "Stream", "D", "442" and "Yellow & Blue".
    const CKROVirenoParamTable table(TunerParameterIndex::kFirstIndexVST3);
    const char* chosen[] = {"Bass", "Stream", "D", "442", "Yellow & Blue"};
    std::vector<float> values;
    for (const auto& entry : table.GetParameterMap())
    {
        const std::vector<std::string>& labels = entry.second.GetValueLabels();
        const auto label = std::find(labels.begin(), labels.end(), chosen[values.size()]);
        values.push_back(static_cast<float>(label - labels.begin()));
    }
    ASSERT_EQ(values, (std::vector<float>{1, 1, 2, 7, 1}));

    EXPECT_TRUE(store.WriteDefaultPreset(values));
    EXPECT_EQ(ReadWholeFile(file), kBassStreamFile);
    ExpectPreset(store, "Default", kTableDefaults); // reaches instances created afterwards
    ExpectPreset(CKROPresetStore(), "Default", values);

    // A list of the wrong length writes nothing.
    EXPECT_FALSE(store.WriteDefaultPreset({1, 1, 2, 7}));
    EXPECT_FALSE(store.WriteDefaultPreset({1, 1, 2, 7, 1, 0}));
    EXPECT_EQ(ReadWholeFile(file), kBassStreamFile);
}

TEST_F(PresetStore, FolderNameThatIsNotUtf8IsUsedAsItStands)
{
    const fs::path odd = temporary.Path() / "conf\xff\xfeig";
    fake.SetAppDataFolder(odd.string());
    const CKROPresetStore store;
    EXPECT_EQ(ReadWholeFile(odd / "Halvard Sonics" / "Vireno" / "Default.xml"), kTableDefaultFile);
    ExpectPreset(store, "Default", kTableDefaults);
}

TEST_F(PresetStore, WithoutAnAppDataFolderNothingIsWritten)
{
    fake.SetAppDataFolder("");
    const fs::path relative = "Halvard Sonics";
    const bool existedBefore = fs::exists(relative);
    CKROPresetStore store;
    EXPECT_TRUE(store.GetPresets().empty());
    EXPECT_FALSE(store.WriteDefaultPreset(kTableDefaults));
    EXPECT_EQ(fs::exists(relative), existedBefore);
}

} // namespace
