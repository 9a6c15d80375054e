#include "AaxHostSession.h"

#include <cstddef>
#include <vector>

#include "AaxParameters.h"
#include "kro-core/aax/KROAAXStateChunk.h"
#include "testhosts/aax/SimEditor.h"
#include "testhosts/aax/SimPlugIn.h"
#include "aaxsdk/AAX_PlugInChunk.h"

namespace {

// The component whose input has that many channels; -1 when the effect has none.
int ComponentFor(const SimEffectRecord& effect, int channels)
{
    for (size_t i = 0; i < effect.components.size(); ++i)
        if ((effect.components[i].Property(AAX_eProperty_InputStemFormat, 0) & 0xFFFF) == channels)
            return static_cast<int>(i);
    return -1;
}

class AaxHostSession : public HostSession
{
public:
    AaxHostSession(std::unique_ptr<SimPlugIn> loaded, size_t componentIndex, const HostInput& input)
        : plugIn(std::move(loaded))
    {
        host.values.sampleRate = static_cast<float>(input.audio.sampleRate);
        host.values.inputStemFormat = input.channels == 2 ? AAX_eStemFormat_Stereo : AAX_eStemFormat_Mono;
        instance = std::make_unique<SimInstance>(*plugIn->Effect(), componentIndex, host);
        if (instance->IsOpen() && instance->Error().empty())
            parameters = std::make_unique<AaxParameterList>(instance->Parameters());
    }

    bool IsOpen() const { return parameters != nullptr; }
    // Why the instance did not open.
    const std::string& Error() const { return instance->Error(); }

    bool LoadState(const std::vector<char>& state) override
    {
        // As a host does: the file's bytes as the chunk, and the plug-in's verdict on them.
        const std::string text(state.begin(), state.end());
        return instance->LoadChunk(KROAAXStateChunk::kID,
                                   SimInstance::MakeChunk(KROAAXStateChunk::kID, KROAAXStateChunk::kName, text)) == 0;
    }

    bool SetParameter(const std::string& name, const std::string& valueText, std::string& error) override
    {
        AaxParameterSetting setting;
        if (!parameters->FindSetting(name, valueText, setting, error))
            return false;
        // As the host's own control would: the host's value, confirmed to the plug-in.
        instance->Parameters().UpdateParameterNormalizedValue(setting.id.c_str(), setting.value,
                                                              AAX_eUpdateSource_Unspecified);
        return true;
    }

    // The host's coefficient pass: the rate and channels were the host's from the start.
    bool SetUp(std::string&) override
    {
        instance->GenerateCoefficients();
        return true;
    }

    // The editor as a host shows it: its GUI object in a window of the host's, told of every
    // parameter update, woken by the host's timer.
    bool OpenEditor(std::string& error) override
    {
        window = SimEditorWindow::Open("Vireno", 400, 300, error);
        if (!window)
        {
            error = "--editor " + error;
            return false;
        }
        editor = std::make_unique<SimEditor>(*plugIn->Effect(), host);
        if (!editor->IsOpen() || !editor->Error().empty())
        {
            error = editor->Error();
            return false;
        }
        editor->Show(window->NativeWindow());
        const AAX_Point size = editor->ViewSize();
        if (size.horz < 1.0f || size.vert < 1.0f)
        {
            error = "the plug-in's editor did not open in the window";
            return false;
        }
        window->Window().Resize(static_cast<int>(size.horz), static_cast<int>(size.vert));
        return true;
    }

    void Start() override {}

    ReadingSetup Setup() override
    {
        return ReadingSetupOfParameters([&](int offset) { return parameters->ListIndex(offset); },
                                        [&](int offset) { return parameters->ValueText(offset); });
    }

    void Render(const float* const* inputs, float* const* outputs, int frames) override
    {
        instance->Render(inputs, outputs, frames);
    }

    bool ServeEditor(uint32_t durationMs) override
    {
        editor->Serve(*window, durationMs);
        return !window->Closed();
    }

    int ReadDisplay(std::vector<float>& values) override { return instance->ReadDisplayData(values); }

    void Finish() override
    {
        editor.reset();
        window.reset();
    }

    // The chunk's data, without the header the host keeps.
    bool SaveState(std::vector<char>& state) override
    {
        AAX_Result result = 0;
        const std::vector<uint8_t> chunk = instance->SaveChunk(KROAAXStateChunk::kID, result);
        if (chunk.size() < kAAXChunkHeaderSize)
            return false;
        state.assign(chunk.begin() + static_cast<std::ptrdiff_t>(kAAXChunkHeaderSize), chunk.end());
        return true;
    }

private:
    std::unique_ptr<SimPlugIn> plugIn;
    SimHost host;
    std::unique_ptr<SimInstance> instance;
    std::unique_ptr<AaxParameterList> parameters;
    std::unique_ptr<SimEditorWindow> window;
    std::unique_ptr<SimEditor> editor;
};

} // namespace

std::unique_ptr<HostSession> OpenAaxHostSession(const HostOptions& options, const HostInput& input, std::string& error)
{
    auto plugIn = SimPlugIn::Load(options.bundle, error);
    if (!plugIn)
        return nullptr;
    const int componentIndex = ComponentFor(*plugIn->Effect(), input.channels);
    if (componentIndex < 0)
    {
        error = "the plug-in has no " + std::string(input.channels == 2 ? "stereo" : "mono") + " component";
        return nullptr;
    }
    auto session = std::make_unique<AaxHostSession>(std::move(plugIn), static_cast<size_t>(componentIndex), input);
    if (!session->IsOpen())
    {
        error = session->Error();
        return nullptr;
    }
    return session;
}
