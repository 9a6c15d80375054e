#pragma once

#include "CKROVirenoCtrlBaseSet.h"

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

    // The parameters are numbered from the parameter info's first index (0 without one).
    CKROVirenoCtrlSet(const CKROGUIContainerInterface& bitmaps, VSTGUI::IControlListener* listener,
                      Mevarik::IKROSDKController* controller, IKROParamInfoInterface* parameterInfo);
    ~CKROVirenoCtrlSet() override;

    void OnIdle() override;
    void OnParameterChanged(int32_t index, float value) override;
    bool OnControlChanged(VSTGUI::CControl* control) override;

    CKROVirenoDisplay* GetDisplay() const { return display; }

private:
    struct RadioRow;
    static const RadioRow kRadioRows[5];

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
