#pragma once

#include "CKROVirenoCtrlBaseSet.h"
#include "tuner/plugin/TunerParameterDescription.h"
#include "tuner/resources/VirenoBitmapNumbers.h"

#include <cstdint>

class CKROVirenoDisplay;

// The tuner's controls: on the main face the mute switch, the settings button, the invisible about
// area, the indicators of instrument, drop tuning and reference, and the LED display; on the
// settings page its close button and one row of radio buttons per product parameter. It maps
// button presses to parameter values and parameter values back to buttons, indicators and
// display, and refreshes the display with the effect's latest reading.
class CKROVirenoCtrlSet : public CKROVirenoCtrlBaseSet
{
public:
    // Tags that name no parameter.
    static constexpr int32_t kSettingsButtonTag = 13;
    static constexpr int32_t kSettingsCloseTag = 14;
    static constexpr int32_t kFirstRadioTag = 15;
    static constexpr int32_t kLastRadioTag = 37;
    static constexpr int32_t kInstrumentIndicatorTag = 38;
    static constexpr int32_t kDropTuningIndicatorTag = 39;
    static constexpr int32_t kReferenceIndicatorTag = 40;
    static constexpr int32_t kAboutAreaTag = 41;

    // The display is refreshed at most this often, whatever the editor's tick.
    static constexpr uint32_t kRefreshIntervalMs = 40;
    static constexpr int32_t kDisplayChannel = 0;

    static constexpr int32_t kNoIndicator = 0;

    // What the editor shows of each product parameter: a row of radio buttons on the settings page
    // (button i has tag FirstRadioTag() + i and bitmap firstRadioBitmap + i, one button per value
    // text of the parameter) and, for some, an indicator on the main face with one image per value.
    struct ParameterControls
    {
        TunerParameterIndex::Offset offset;
        int firstRadioBitmap;
        double radioY;
        int32_t indicatorTag; // kNoIndicator for none
        int indicatorBitmap;
        double indicatorX, indicatorY;

        constexpr int Count() const { return TunerParameterDescription::Of(offset).count; }
        // The radio tags run on from kFirstRadioTag, parameter after parameter, one a value.
        constexpr int32_t FirstRadioTag() const
        {
            int32_t tag = kFirstRadioTag;
            for (const TunerParameterDescription::Parameter& parameter : TunerParameterDescription::kParameters)
                if (parameter.offset < offset)
                    tag += parameter.count;
            return tag;
        }
        // A many-valued row sends the middle of each step, so that the effect's thresholds give
        // the button's number back whatever rounding happens on the way.
        float ValueOfButton(int i) const;
        int ButtonOfValue(float value) const;
    };
    static constexpr ParameterControls kParameterControls[] = {
        {TunerParameterIndex::kSelectInstrument, VirenoBitmap::kGuitarButton, 76, kInstrumentIndicatorTag,
         VirenoBitmap::kInstrumentIndicator, 27, 161},
        {TunerParameterIndex::kDisplayMode, VirenoBitmap::kNeedleButton, 102, kNoIndicator, 0, 0, 0},
        {TunerParameterIndex::kDropTuning, VirenoBitmap::kFirstDropTuningButton, 128, kDropTuningIndicatorTag,
         VirenoBitmap::kDropTuningIndicator, 275, 215},
        {TunerParameterIndex::kReferenceFrequency, VirenoBitmap::kFirstReferenceButton, 155, kReferenceIndicatorTag,
         VirenoBitmap::kReferenceIndicator, 255, 231},
        {TunerParameterIndex::kColorSet, VirenoBitmap::kRedGreenButton, 180, kNoIndicator, 0, 0, 0},
    };
    // Whether the rows are in parameter order and the radio tags end at kLastRadioTag.
    static constexpr bool TagsRunOn();
    // The radio rows' left edge and the gap between two buttons.
    static constexpr double kRadioLeft = 153;
    static constexpr double kRadioSpacing = 8;

    // The parameters are numbered from the parameter info's first index (0 without one).
    CKROVirenoCtrlSet(const CKROGUIContainerInterface& bitmaps, VSTGUI::IControlListener* listener,
                      Mevarik::IKROSDKController* controller, IKROParamInfoInterface* parameterInfo);
    ~CKROVirenoCtrlSet() override;

    void OnIdle() override;
    void OnParameterChanged(int32_t index, float value) override;
    bool OnControlChanged(VSTGUI::CControl* control) override;

    CKROVirenoDisplay* GetDisplay() const { return display; }

private:
    using RadioRow = ParameterControls;

    void CreateMainFace();
    void CreateSettingsPage();
    // Selects one button of the row; the selected one takes no clicks, so it cannot be switched off.
    void SelectRadioButton(const RadioRow& row, int selected);
    void SetIndicator(int32_t tag, int image);
    // The row a parameter (offset from the first index) or a radio tag belongs to; null for none.
    static const RadioRow* RowOfParameter(int32_t offset);
    static const RadioRow* RowOfTag(int32_t tag);

    const int32_t firstIndex;
    float* displayData;
    int32_t displayCapacity;
    CKROVirenoDisplay* display = nullptr;
};
