#pragma once

#include "toolkit/CColor.h"

// Colours, fonts and sizes of the pedal's artwork. Sizes are chosen to fit the editor's fixed
// control positions on the 452 x 266 face.
namespace ArtworkStyle {

using VSTGUI::CColor;

constexpr int kFaceWidth = 452;
constexpr int kFaceHeight = 266;

constexpr int kLedSize = 12;
constexpr int kMuteSize = 76;       // one state; two stacked
constexpr int kSettingsWidth = 100; // one state 100 x 24
constexpr int kSettingsHeight = 24;
constexpr int kCloseSize = 28;   // one state
constexpr int kRadioHeight = 20; // one state
constexpr int kIndicatorImageHeight = 14;
constexpr int kInstrumentIndicatorWidth = 64;
constexpr int kDropIndicatorWidth = 36;
constexpr int kReferenceIndicatorWidth = 56;

constexpr const char* kSans = "Liberation Sans";
constexpr const char* kNarrow = "Liberation Sans Narrow";

constexpr CColor kFaceTop(52, 54, 59);
constexpr CColor kFaceBottom(26, 27, 30);
constexpr CColor kFaceEdge(12, 12, 14);
constexpr CColor kBevel(88, 91, 98);
constexpr CColor kPanel(9, 10, 11);
constexpr CColor kPanelEdge(70, 72, 78);
constexpr CColor kUnlitLed(44, 44, 46);
constexpr CColor kUnlitLedRim(22, 22, 23);
constexpr CColor kCaption(196, 200, 206);
constexpr CColor kDimCaption(128, 132, 138);
constexpr CColor kAccent(255, 176, 46);
constexpr CColor kButtonTop(70, 73, 79);
constexpr CColor kButtonBottom(44, 46, 50);
constexpr CColor kButtonEdge(20, 21, 23);
constexpr CColor kButtonText(200, 204, 210);
constexpr CColor kLitTop(255, 196, 84);
constexpr CColor kLitBottom(222, 138, 20);
constexpr CColor kLitText(30, 22, 8);

constexpr CColor kRed(255, 48, 36);
constexpr CColor kGreen(60, 255, 90);
constexpr CColor kYellow(255, 214, 20);
constexpr CColor kBlue(50, 150, 255);

} // namespace ArtworkStyle
