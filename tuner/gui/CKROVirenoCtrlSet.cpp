#include "CKROVirenoCtrlSet.h"

#include "CKROGUIContainerInterface.h"
#include "CKROVirenoDisplay.h"
#include "IKROParamInfoInterface.h"
#include "IKROSDKController.h"
#include "KRODisplayDataBuffer.h"
#include "KroEditorMessages.h"
#include "LedMatrixLayout.h"
#include "TunerNormalizedIndex.h"
#include "TunerParameterIndex.h"
#include "vstgui.h"

#include <cstring>

using namespace VSTGUI;

// One row of radio buttons on the settings page: button i has tag firstTag + i and bitmap
// firstBitmap + i. A many-valued row sends the middle of each step, so that the effect's index
// thresholds give the button's number back whatever rounding happens on the way.
struct CKROVirenoCtrlSet::RadioRow
{
    int32_t parameterOffset;
    int count;
    int32_t firstTag;
    int firstBitmap;
    CCoord y;

    float ValueOfButton(int i) const
    {
        return count == 2 ? static_cast<float>(i) : static_cast<float>(2 * i + 1) / static_cast<float>(2 * count);
    }
    int ButtonOfValue(float value) const
    {
        switch (count)
        {
        case 6:
            return NormalizedToDropTuningIndex(value);
        case 11:
            return NormalizedToReferenceIndex(value);
        default:
            return NormalizedToSwitchIndex(value);
        }
    }
};

const CKROVirenoCtrlSet::RadioRow CKROVirenoCtrlSet::kRadioRows[5] = {
    {TunerParameterIndex::kSelectInstrument, 2, 15, 110, 76},
    {TunerParameterIndex::kDisplayMode, 2, 17, 112, 102},
    {TunerParameterIndex::kDropTuning, 6, 19, 120, 128},
    {TunerParameterIndex::kReferenceFrequency, 11, 25, 130, 155},
    {TunerParameterIndex::kColorSet, 2, 36, 114, 180},
};

namespace {

constexpr CCoord kRadioLeft = 153;
constexpr CCoord kRadioSpacing = 8;

enum Bitmap : int
{
    kMuteBitmap = 100,
    kSettingsBitmap = 101,
    kCloseBitmap = 102,
    kInstrumentIndicatorBitmap = 150,
    kDropTuningIndicatorBitmap = 151,
    kReferenceIndicatorBitmap = 152,
    kSettingsPageBitmap = 201,
};

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
    const CPoint mute = BitmapSize(kMuteBitmap);
    add(mainView, new COnOffButton(placed(mute, 344, 95, mute.y / 2), listener,
                                   firstIndex + TunerParameterIndex::kOutputMute, bitmaps.GetBitmap(kMuteBitmap)));
    const CPoint settings = BitmapSize(kSettingsBitmap);
    add(mainView, new CKickButton(placed(settings, 307, 32, settings.y / 2), listener, kSettingsButtonTag,
                                  bitmaps.GetBitmap(kSettingsBitmap), settings.y / 2));
    add(mainView, new CKickButton(CRect(315, 220, 438, 238), listener, kAboutAreaTag));

    const struct
    {
        int32_t tag;
        int bitmap;
        int images;
        CCoord x, y;
    } indicators[] = {{kInstrumentIndicatorTag, kInstrumentIndicatorBitmap, 2, 27, 161},
                      {kDropTuningIndicatorTag, kDropTuningIndicatorBitmap, 6, 275, 215},
                      {kReferenceIndicatorTag, kReferenceIndicatorBitmap, 11, 255, 231}};
    for (const auto& indicator : indicators)
    {
        const CPoint size = BitmapSize(indicator.bitmap);
        const CCoord imageHeight = size.y / indicator.images;
        auto* movie = new CMovieBitmap(placed(size, indicator.x, indicator.y, imageHeight), listener, indicator.tag,
                                       indicator.images, imageHeight, bitmaps.GetBitmap(indicator.bitmap));
        // The value is the image's number.
        movie->setMax(static_cast<float>(indicator.images - 1));
        add(mainView, movie);
    }

    display = new CKROVirenoDisplay(CRect(LedMatrixLayout::kDisplayLeft, LedMatrixLayout::kDisplayTop, 312, 197),
                                    {bitmaps.GetBitmap(161), bitmaps.GetBitmap(162), bitmaps.GetBitmap(163),
                                     bitmaps.GetBitmap(164)});
    display->setMouseEnabled(false);
    display->remember();
    mainView->addView(display);
}

void CKROVirenoCtrlSet::CreateSettingsPage()
{
    settingsPage = new CViewContainer(mainView->getViewSize());
    settingsPage->setBackground(bitmaps.GetBitmap(kSettingsPageBitmap));
    settingsPage->setVisible(false);
    mainView->addView(settingsPage);

    const CPoint close = BitmapSize(kCloseBitmap);
    auto* closeButton = new CKickButton(placed(close, 420, 237, close.y / 2), listener, kSettingsCloseTag,
                                        bitmaps.GetBitmap(kCloseBitmap), close.y / 2);
    AddControl(kSettingsCloseTag, closeButton);
    settingsPage->addView(closeButton);

    for (const RadioRow& row : kRadioRows)
    {
        CCoord x = kRadioLeft;
        for (int i = 0; i < row.count; ++i)
        {
            const CPoint size = BitmapSize(row.firstBitmap + i);
            auto* button = new COnOffButton(placed(size, x, row.y, size.y / 2), listener, row.firstTag + i,
                                            bitmaps.GetBitmap(row.firstBitmap + i));
            AddControl(row.firstTag + i, button);
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
        controller->SetParameterNormalized(static_cast<uint32_t>(firstIndex + row->parameterOffset),
                                           row->ValueOfButton(tag - row->firstTag));
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
    switch (offset)
    {
    case TunerParameterIndex::kSelectInstrument:
        SetIndicator(kInstrumentIndicatorTag, selected);
        break;
    case TunerParameterIndex::kDisplayMode:
        display->setDisplayMode(selected);
        display->invalid();
        break;
    case TunerParameterIndex::kDropTuning:
        SetIndicator(kDropTuningIndicatorTag, selected);
        break;
    case TunerParameterIndex::kReferenceFrequency:
        SetIndicator(kReferenceIndicatorTag, selected);
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
    for (int i = 0; i < row.count; ++i)
    {
        CControl* button = FindControl(row.firstTag + i);
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
    for (const RadioRow& row : kRadioRows)
        if (row.parameterOffset == offset)
            return &row;
    return nullptr;
}

const CKROVirenoCtrlSet::RadioRow* CKROVirenoCtrlSet::RowOfTag(int32_t tag)
{
    for (const RadioRow& row : kRadioRows)
        if (tag >= row.firstTag && tag < row.firstTag + row.count)
            return &row;
    return nullptr;
}
