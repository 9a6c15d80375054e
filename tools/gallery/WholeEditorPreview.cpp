#include "WholeEditorPreview.h"

#include "tuner/gui/CKROVirenoCtrlSet.h"
#include "tuner/gui/CKROVirenoGUIEditor.h"
#include "kro-core/plugin/IKROSDKController.h"
#include "kro-core/plugin/KRODisplayDataBuffer.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "tuner/engine/TunerResultBlock.h"
#include "toolkit/vstgui.h"

#include <cstring>
#include <map>
#include <memory>

using namespace VSTGUI;

namespace WholeEditorPreview {

namespace {

constexpr int32_t P = TunerParameterIndex::kFirstIndexVST3;

// Answers as an effect with chosen settings and a reading ready at every request.
class PreviewController final : public Mevarik::IKROSDKController
{
public:
    PreviewController(bool active, const TunerResultBlock& reading) : active(active)
    {
        std::memcpy(values, static_cast<const void*>(&reading), sizeof values);
    }

    double GetParameterNormalized(uint32_t index) override
    {
        // "Bass", "Needle", "D", 440 Hz, "Red & Green", not muted.
        const std::map<int32_t, double> settings = {{P + TunerParameterIndex::kSelectInstrument, 1.0},
                                                    {P + TunerParameterIndex::kDropTuning, 5.0 / 12},
                                                    {P + TunerParameterIndex::kReferenceFrequency, 11.0 / 22},
                                                    {P + TunerParameterIndex::kInstanceActive, active ? 1.0 : 0.0}};
        auto found = settings.find(static_cast<int32_t>(index));
        return found == settings.end() ? 0.0 : found->second;
    }
    int32_t SetParameterNormalized(uint32_t, double) override { return 0; }
    int32_t GetParameterCount() override { return 9; }
    int32_t GetFirstParameterIndex() override { return P; }
    bool IsConnected() override { return true; }
    void ReleaseLink(std::shared_ptr<void>) override {}
    void Idle() override {}
    void SendMessage(const std::string&) override {}
    void SendStateTree(const boost::property_tree::ptree&) override {}
    int32_t GetDisplayData(int32_t, float** buffer, int32_t* capacity, int32_t) override
    {
        return CopyDisplayData(values, kTunerResultValueCount, buffer, capacity);
    }
    int32_t SetDisplayData(int32_t, float*, int32_t) override { return 0; }
    void BeginEdit(uint32_t) override {}
    void EndEdit(uint32_t) override {}

private:
    bool active;
    float values[kTunerResultValueCount];
};

// A clock the preview moves by hand, so that the display's refresh gate opens without waiting.
class SteppedClock : public IClock
{
public:
    uint32_t getTicks() const override { return now; }
    uint32_t now = 1000;
};

// A note of A, 6 cents sharp and nearly in tune, as the effect reports it.
TunerResultBlock liveReading()
{
    TunerResultBlock reading;
    reading.needleDeviation = 0.12f;
    reading.notePresentArc = 1.f;
    reading.notePresentName = 1.f;
    reading.inTune = 0.6f;
    reading.note = 9;
    return reading;
}

bool writeEditor(bool active, bool settingsPage, const std::string& path)
{
    CKROVirenoGUIEditor editor(nullptr, P);
    editor.SetController(std::make_unique<PreviewController>(active, liveReading()));
    editor.CreateControlSets(0);
    ERect* rect = nullptr;
    editor.getRect(&rect);
    auto* frame = new CFrame(CRect(0, 0, rect->right, rect->bottom), &editor);
    SteppedClock clock;
    frame->setClock(clock);
    if (!frame->open(nullptr, PlatformType::kOffscreen) || !editor.open(frame))
    {
        frame->close();
        return false;
    }
    // The first tick shows the parameters and passes the skipped first refresh; the next one,
    // 40 ms on, draws the reading.
    for (int tick = 0; tick < 2; ++tick)
    {
        editor.idle();
        clock.now += CKROVirenoCtrlSet::kRefreshIntervalMs;
    }
    if (settingsPage)
    {
        CControl* settings = editor.GetControlSet()->FindControl(CKROVirenoCtrlSet::kSettingsButtonTag);
        settings->setValue(1.f);
        settings->valueChanged();
        settings->setValue(0.f);
    }
    const bool written = frame->writePNG(path);
    editor.close();
    return written;
}

} // namespace

bool writeAll(const std::string& folder)
{
    bool ok = writeEditor(true, false, folder + "/preview-editor-face.png");
    ok = writeEditor(true, true, folder + "/preview-editor-settings.png") && ok;
    return writeEditor(false, false, folder + "/preview-editor-overlay.png") && ok;
}

} // namespace WholeEditorPreview
