#include "CKROVirenoCtrlSet.h"

#include "kro-core/gui/CKROGUIContainerInterface.h"
#include "CKROVirenoDisplay.h"
#include "kro-core/plugin/IKROParamInfoInterface.h"
#include "kro-core/plugin/IKROSDKController.h"
#include "kro-core/plugin/KRODisplayDataBuffer.h"
#include "kro-core/plugin/KroEditorMessages.h"
#include "tuner/resources/LedMatrixLayout.h"
#include "tuner/plugin/TunerNormalizedIndex.h"
#include "toolkit/vstgui.h"

#include <cstring>

using namespace VSTGUI;

// The rows follow the parameters, so that the tags run on from row to row without a gap.
constexpr bool CKROVirenoCtrlSet::TagsRunOn()
{
    int32_t offset = 0;
    for (const ParameterControls& row : kParameterControls)
        if (row.offset != offset++)
            return false;
    const ParameterControls& last = kParameterControls[TunerParameterIndex::kProductParameterCount - 1];
    return last.FirstRadioTag() + last.Count() - 1 == kLastRadioTag;
}
static_assert(CKROVirenoCtrlSet::TagsRunOn(), "radio tags 15 to 37, one a value of each parameter");
static_assert(TunerParameterDescription::CountOf(CKROVirenoCtrlSet::kParameterControls) ==
                  TunerParameterIndex::kProductParameterCount,
              "one row of controls a product parameter");
static_assert(TunerParameterDescription::Of(TunerParameterIndex::kDropTuning).count ==
                      VirenoBitmap::kDropTuningButtonCount &&
                  TunerParameterDescription::Of(TunerParameterIndex::kReferenceFrequency).count ==
                      VirenoBitmap::kReferenceButtonCount,
              "one button bitmap a value");

float CKROVirenoCtrlSet::ParameterControls::ValueOfButton(int i) const
{
    const int count = Count();
    return count == 2 ? static_cast<float>(i) : static_cast<float>(2 * i + 1) / static_cast<float>(2 * count);
}

int CKROVirenoCtrlSet::ParameterControls::ButtonOfValue(float value) const
{
    return NormalizedToPosition(TunerParameterDescription::Of(offset).mapping, value);
}

namespace {

using namespace VirenoBitmap;

CRect placed(const CPoint& bitmapSize, CCoord x, CCoord y, CCoord imageHeight)
{
    return CRect(x, y, x + bitmapSize.x, y + imageHeight);
}

} // namespace

CKROVirenoCtrlSet::CKROVirenoCtrlSet(const CKROGUIContainerInterface& bitmaps, IControlListener* listener,
                                     Mevarik::IKROSDKController* controller, IKROParamInfoInterface* parameterInfo)
    : CKROVirenoCtrlBaseSet(bitmaps, listener, controller, parameterInfo),
      firstIndex(parameterInfo ? parameterInfo->GetFirstParameterIndex() : 0),
      displayData(AllocateDisplayBuffer(kTunerResultValueCount)), displayCapacity(kTunerResultValueCount)
{
    CreateMainFace();
    CreateSettingsPage();
    SetControlDefaults();
}

CKROVirenoCtrlSet::~CKROVirenoCtrlSet()
{
    FreeDisplayBuffer(displayData);
    if (display)
        display->forget();
}

void CKROVirenoCtrlSet::CreateMainFace()
{
    // Each control goes to the tag map (its own reference) and to its container (the caller's).
    auto add = [this](CViewContainer* parent, CControl* control) {
        AddControl(control->getTag(), control);
        parent->addView(control);
    };
    const CPoint mute = BitmapSize(kMuteButton);
    add(mainView, new COnOffButton(placed(mute, 344, 95, mute.y / 2), listener,
                                   firstIndex + TunerParameterIndex::kOutputMute, bitmaps.GetBitmap(kMuteButton)));
    const CPoint settings = BitmapSize(kSettingsButton);
    add(mainView, new CKickButton(placed(settings, 307, 32, settings.y / 2), listener, kSettingsButtonTag,
                                  bitmaps.GetBitmap(kSettingsButton), settings.y / 2));
    add(mainView, new CKickButton(CRect(315, 220, 438, 238), listener, kAboutAreaTag));

    for (const ParameterControls& row : kParameterControls)
    {
        if (row.indicatorTag == kNoIndicator)
            continue;
        const int images = row.Count();
        const CPoint size = BitmapSize(row.indicatorBitmap);
        const CCoord imageHeight = size.y / images;
        auto* movie = new CMovieBitmap(placed(size, row.indicatorX, row.indicatorY, imageHeight), listener,
                                       row.indicatorTag, images, imageHeight, bitmaps.GetBitmap(row.indicatorBitmap));
        // The value is the image's number.
        movie->setMax(static_cast<float>(images - 1));
        add(mainView, movie);
    }

    display = new CKROVirenoDisplay(CRect(LedMatrixLayout::kDisplayLeft, LedMatrixLayout::kDisplayTop, 312, 197),
                                    {bitmaps.GetBitmap(kRedLed), bitmaps.GetBitmap(kGreenLed),
                                     bitmaps.GetBitmap(kYellowLed), bitmaps.GetBitmap(kBlueLed)});
    display->setMouseEnabled(false);
    display->remember();
    mainView->addView(display);
}

void CKROVirenoCtrlSet::CreateSettingsPage()
{
    settingsPage = new CViewContainer(mainView->getViewSize());
    settingsPage->setBackground(bitmaps.GetBitmap(kSettingsPage));
    settingsPage->setVisible(false);
    mainView->addView(settingsPage);

    const CPoint close = BitmapSize(kCloseButton);
    auto* closeButton = new CKickButton(placed(close, 420, 237, close.y / 2), listener, kSettingsCloseTag,
                                        bitmaps.GetBitmap(kCloseButton), close.y / 2);
    AddControl(kSettingsCloseTag, closeButton);
    settingsPage->addView(closeButton);

    for (const ParameterControls& row : kParameterControls)
    {
        CCoord x = kRadioLeft;
        for (int i = 0; i < row.Count(); ++i)
        {
            const CPoint size = BitmapSize(row.firstRadioBitmap + i);
            auto* button = new COnOffButton(placed(size, x, row.radioY, size.y / 2), listener, row.FirstRadioTag() + i,
                                            bitmaps.GetBitmap(row.firstRadioBitmap + i));
            AddControl(row.FirstRadioTag() + i, button);
            settingsPage->addView(button);
            x += size.x + kRadioSpacing;
        }
    }
}

bool CKROVirenoCtrlSet::OnControlChanged(CControl* control)
{
    if (!control)
        return false;
    const int32_t tag = control->getTag();
    const bool pressed = control->getValueNormalized() == 1.f;
    switch (tag)
    {
    case kSettingsButtonTag:
        if (pressed)
            settingsPage->setVisible(true);
        return true;
    case kSettingsCloseTag:
        if (pressed)
        {
            settingsPage->setVisible(false);
            // Closing the page is when the user is done with the settings: they become the
            // defaults of every new instance.
            if (controller)
                controller->SendMessage(KroEditorMessages::kSaveDefaultPreset);
        }
        return true;
    default:
        break;
    }
    const RadioRow* row = RowOfTag(tag);
    if (!row)
        return false;
    if (controller)
        controller->SetParameterNormalized(static_cast<uint32_t>(firstIndex + row->offset),
                                           row->ValueOfButton(tag - row->FirstRadioTag()));
    return true;
}

void CKROVirenoCtrlSet::OnParameterChanged(int32_t index, float value)
{
    const int32_t offset = index - firstIndex;
    if (offset == TunerParameterIndex::kInstanceActive)
    {
        SingleInstanceOverlay(value == 1.f);
        return;
    }
    const RadioRow* row = RowOfParameter(offset);
    if (!row)
        return;
    const int selected = row->ButtonOfValue(value);
    SelectRadioButton(*row, selected);
    if (row->indicatorTag != kNoIndicator)
        SetIndicator(row->indicatorTag, selected);
    switch (offset)
    {
    case TunerParameterIndex::kDisplayMode:
        display->setDisplayMode(selected);
        display->invalid();
        break;
    case TunerParameterIndex::kColorSet:
        display->setColourSet(selected);
        display->invalid();
        break;
    default:
        break;
    }
}

void CKROVirenoCtrlSet::OnIdle()
{
    if (overlayShowing || !controller)
        return;
    CControl* mute = FindControl(firstIndex + TunerParameterIndex::kOutputMute);
    if (!mute || !mute->isAttached() || !mute->getFrame())
        return;
    const uint32_t now = mute->getFrame()->getTicks();
    if (now == 0 || now - lastRefreshTick < kRefreshIntervalMs)
        return;
    lastRefreshTick = now;
    if (skipNextRefresh)
    {
        skipNextRefresh = false;
        return;
    }
    const int32_t count = controller->GetDisplayData(kDisplayChannel, &displayData, &displayCapacity, displayCapacity);
    // Only a whole reading is drawn; fewer values mean no new reading, and a controller that
    // reports a reading without leaving it in a buffer big enough gives nothing to draw.
    if (count != kTunerResultValueCount || !displayData || displayCapacity < kTunerResultValueCount)
        return;
    TunerResultBlock reading;
    std::memcpy(static_cast<void*>(&reading), displayData, sizeof reading);
    // The arc's left half is flat: the display wants the deviation the other way round.
    reading.needleDeviation = -reading.needleDeviation;
    display->setReading(reading);
    display->invalid();
}

void CKROVirenoCtrlSet::SelectRadioButton(const RadioRow& row, int selected)
{
    for (int i = 0; i < row.Count(); ++i)
    {
        CControl* button = FindControl(row.FirstRadioTag() + i);
        if (!button)
            continue;
        button->setValueNormalized(i == selected ? 1.f : 0.f);
        button->setMouseEnabled(i != selected);
        button->invalid();
    }
}

void CKROVirenoCtrlSet::SetIndicator(int32_t tag, int image)
{
    if (CControl* indicator = FindControl(tag))
    {
        indicator->setValue(static_cast<float>(image));
        indicator->invalid();
    }
}

const CKROVirenoCtrlSet::RadioRow* CKROVirenoCtrlSet::RowOfParameter(int32_t offset)
{
    for (const RadioRow& row : kParameterControls)
        if (row.offset == offset)
            return &row;
    return nullptr;
}

const CKROVirenoCtrlSet::RadioRow* CKROVirenoCtrlSet::RowOfTag(int32_t tag)
{
    for (const RadioRow& row : kParameterControls)
        if (tag >= row.FirstRadioTag() && tag < row.FirstRadioTag() + row.Count())
            return &row;
    return nullptr;
}
