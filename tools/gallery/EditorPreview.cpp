#include "EditorPreview.h"

#include "tuner/gui/CKROVirenoCtrlSet.h"
#include "tuner/gui/CKROVirenoDisplay.h"
#include "tuner/resources/LedMatrixLayout.h"
#include "tuner/resources/VirenoBitmapNumbers.h"
#include "toolkit/vstgui.h"

#include <algorithm>

using namespace VSTGUI;
using namespace VirenoBitmap;

namespace EditorPreview {

namespace {

CRect placed(CBitmap* bitmap, CCoord x, CCoord y, CCoord imageHeight)
{
    return CRect(x, y, x + bitmap->getWidth(), y + imageHeight);
}

template <typename Control, typename... Args>
void addControl(CViewContainer& parent, float value, Args&&... args)
{
    auto* control = new Control(std::forward<Args>(args)...);
    control->setValue(value);
    parent.addView(control);
}

bool render(CFrame* frame, const std::string& path)
{
    bool written = frame->open(nullptr, PlatformType::kOffscreen) && frame->writePNG(path);
    frame->close();
    return written;
}

TunerResultBlock needle(float deviation, float inTune, int32_t note)
{
    TunerResultBlock reading;
    reading.needleDeviation = deviation;
    reading.notePresentArc = 1.f;
    reading.notePresentName = 1.f;
    reading.inTune = inTune;
    reading.note = note;
    return reading;
}

} // namespace

std::vector<DisplaySample> displaySamples()
{
    // The display's needle deviation is the tuner's negated: sharp readings are negative here.
    TunerResultBlock strobe = needle(0.f, 0.f, 7);
    strobe.strobeSpeed = 0.2f;
    TunerResultBlock strum;
    strum.polyphonicFlag = 1.f;
    const float deviations[6] = {0.f, 0.3f, -0.5f, 0.1f, 0.8f, -0.2f};
    const float levels[6] = {1.f, 0.9f, 0.8f, 1.f, 0.6f, 0.9f};
    for (int s = 0; s < 6; ++s)
    {
        strum.stringDeviation[s] = deviations[s];
        strum.stringPresence[s] = levels[s];
    }
    return {{"just-sharp", CKROVirenoDisplay::kNeedleMode, needle(-0.03f, 1.f, 10)},
            {"needle-in-tune", CKROVirenoDisplay::kNeedleMode, needle(0.f, 1.f, 4)},
            {"needle-20-cents-sharp", CKROVirenoDisplay::kNeedleMode, needle(-0.4f, 0.f, 9)},
            {"strobe", CKROVirenoDisplay::kStrobeMode, strobe},
            {"polyphonic-strum", CKROVirenoDisplay::kNeedleMode, strum}};
}

bool writeFace(const CKROGUIContainerInterface& bitmaps, int colourSet, const DisplaySample& sample,
               const std::string& path)
{
    CBitmap* face = bitmaps.GetBitmap(kMainFace);
    CBitmap* mute = bitmaps.GetBitmap(kMuteButton);
    CBitmap* settings = bitmaps.GetBitmap(kSettingsButton);
    CBitmap* instrument = bitmaps.GetBitmap(kInstrumentIndicator);
    CBitmap* drop = bitmaps.GetBitmap(kDropTuningIndicator);
    CBitmap* reference = bitmaps.GetBitmap(kReferenceIndicator);
    CKROVirenoDisplay::LedBitmaps leds = {bitmaps.GetBitmap(kRedLed), bitmaps.GetBitmap(kGreenLed),
                                          bitmaps.GetBitmap(kYellowLed), bitmaps.GetBitmap(kBlueLed)};
    if (!face || !mute || !settings || !instrument || !drop || !reference ||
        std::find(leds.begin(), leds.end(), nullptr) != leds.end())
        return false;

    auto* frame = new CFrame(CRect(0, 0, face->getWidth(), face->getHeight()), nullptr);
    frame->setBackground(face);
    addControl<COnOffButton>(*frame, 0.f, placed(mute, 344, 95, mute->getHeight() / 2), nullptr, 0, mute);
    addControl<CKickButton>(*frame, 0.f, placed(settings, 307, 32, settings->getHeight() / 2), nullptr, 0, settings,
                            settings->getHeight() / 2);
    addControl<CMovieBitmap>(*frame, 0.f, placed(instrument, 27, 161, instrument->getHeight() / 2), nullptr, 0, 2,
                             instrument->getHeight() / 2, instrument);
    auto* dropIndicator =
        new CMovieBitmap(placed(drop, 275, 215, drop->getHeight() / 6), nullptr, 0, 6, drop->getHeight() / 6, drop);
    dropIndicator->setMax(5);
    frame->addView(dropIndicator);
    auto* referenceIndicator = new CMovieBitmap(placed(reference, 255, 231, reference->getHeight() / 11), nullptr, 0,
                                                11, reference->getHeight() / 11, reference);
    referenceIndicator->setMax(10);
    referenceIndicator->setValue(5);
    frame->addView(referenceIndicator);
    auto* display =
        new CKROVirenoDisplay(CRect(LedMatrixLayout::kDisplayLeft, LedMatrixLayout::kDisplayTop, 312, 197), leds);
    display->setMouseEnabled(false);
    display->setColourSet(colourSet);
    display->setDisplayMode(sample.displayMode);
    display->setReading(sample.reading);
    frame->addView(display);
    return render(frame, path);
}

bool writeSettings(const CKROGUIContainerInterface& bitmaps, const std::string& path)
{
    CBitmap* page = bitmaps.GetBitmap(kSettingsPage);
    CBitmap* close = bitmaps.GetBitmap(kCloseButton);
    if (!page || !close)
        return false;
    auto* frame = new CFrame(CRect(0, 0, page->getWidth(), page->getHeight()), nullptr);
    frame->setBackground(page);
    addControl<CKickButton>(*frame, 0.f, placed(close, 420, 237, close->getHeight() / 2), nullptr, 0, close,
                            close->getHeight() / 2);
    // The button shown selected in each row, in parameter order.
    const int selected[] = {0, 1, 2, 5, 0};
    static_assert(sizeof selected / sizeof selected[0] ==
                      sizeof CKROVirenoCtrlSet::kParameterControls / sizeof CKROVirenoCtrlSet::kParameterControls[0],
                  "one selection a row");
    int rowNumber = 0;
    for (const CKROVirenoCtrlSet::ParameterControls& row : CKROVirenoCtrlSet::kParameterControls)
    {
        CCoord x = CKROVirenoCtrlSet::kRadioLeft;
        for (int i = 0; i < row.Count(); ++i)
        {
            CBitmap* button = bitmaps.GetBitmap(row.firstRadioBitmap + i);
            if (!button)
                return false;
            addControl<COnOffButton>(*frame, i == selected[rowNumber] ? 1.f : 0.f,
                                     placed(button, x, row.radioY, button->getHeight() / 2), nullptr, 0, button);
            x += button->getWidth() + CKROVirenoCtrlSet::kRadioSpacing;
        }
        ++rowNumber;
    }
    return render(frame, path);
}

} // namespace EditorPreview
