#pragma once

// The resource number of each editor bitmap. The artwork program paints them under these numbers,
// the bitmap container loads them and the control sets and the gallery pick them by these names.
namespace VirenoBitmap {

enum Number : int
{
    kMuteButton = 100,
    kSettingsButton = 101,
    kCloseButton = 102,
    // Settings-page radio buttons: a row's button i is its first number + i.
    kGuitarButton = 110,
    kBassButton = 111,
    kNeedleButton = 112,
    kStreamButton = 113,
    kRedGreenButton = 114,
    kYellowBlueButton = 115,
    kFirstDropTuningButton = 120, // "E" ... "B"
    kFirstReferenceButton = 130,  // "435" ... "445"
    // Main-face indicators, one image per value.
    kInstrumentIndicator = 150,
    kDropTuningIndicator = 151,
    kReferenceIndicator = 152,
    // The LED display's dots in each colour.
    kRedLed = 161,
    kGreenLed = 162,
    kYellowLed = 163,
    kBlueLed = 164,
    kMainFace = 200,
    kSettingsPage = 201,
    kAboutPage = 202,
};

inline constexpr int kDropTuningButtonCount = 6;
inline constexpr int kReferenceButtonCount = 11;

// Every bitmap of the editor, in the order the bitmap container loads them.
inline constexpr int kAll[] = {
    kMuteButton,
    kSettingsButton,
    kCloseButton,
    kBassButton,
    kGuitarButton,
    kNeedleButton,
    kStreamButton,
    kRedGreenButton,
    kYellowBlueButton,
    kFirstDropTuningButton,
    kFirstDropTuningButton + 1,
    kFirstDropTuningButton + 2,
    kFirstDropTuningButton + 3,
    kFirstDropTuningButton + 4,
    kFirstDropTuningButton + 5,
    kFirstReferenceButton,
    kFirstReferenceButton + 1,
    kFirstReferenceButton + 2,
    kFirstReferenceButton + 3,
    kFirstReferenceButton + 4,
    kFirstReferenceButton + 5,
    kFirstReferenceButton + 6,
    kFirstReferenceButton + 7,
    kFirstReferenceButton + 8,
    kFirstReferenceButton + 9,
    kFirstReferenceButton + 10,
    kInstrumentIndicator,
    kDropTuningIndicator,
    kReferenceIndicator,
    kMainFace,
    kSettingsPage,
    kAboutPage,
    kRedLed,
    kGreenLed,
    kYellowLed,
    kBlueLed,
};
static_assert(sizeof(kAll) / sizeof(kAll[0]) == 36, "36 bitmaps");

} // namespace VirenoBitmap
