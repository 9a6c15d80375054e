#include "Vst3HostSession.h"

#include <vector>

#include "PluginParameters.h"
#include "testhosts/vst3/DisplayDataSource.h"
#include "testhosts/vst3/EditorWindow.h"
#include "testhosts/vst3/Vst3Module.h"
#include "testhosts/vst3/Vst3PluginInstance.h"
#include "testhosts/vst3/Vst3ProcessBlock.h"
#include "tuner/engine/TunerResultBlock.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "tuner/vst3/VirenoVST3Ids.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/vstspeaker.h"
#include "public.sdk/source/common/memorystream.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

class Vst3HostSession : public HostSession
{
public:
    Vst3HostSession(std::unique_ptr<Vst3Module> module, std::unique_ptr<Vst3PluginInstance> instance,
                    const HostOptions& options, const HostInput& input)
        : module(std::move(module)), instance(std::move(instance)), controller(this->instance->controller()),
          channels(input.channels), blockSize(options.blockSize), sampleRate(input.audio.sampleRate),
          block(channels, blockSize)
    {}

    bool LoadState(const std::vector<char>& state) override
    {
        std::vector<char> bytes = state; // the stream reads the memory it is given in place
        IPtr<MemoryStream> stream = owned(new MemoryStream(bytes.data(), static_cast<TSize>(bytes.size())));
        if (instance->component()->setState(stream) != kResultOk)
            return false;
        instance->syncControllerState();
        return true;
    }

    bool SetParameter(const std::string& name, const std::string& valueText, std::string& error) override
    {
        ParameterSetting setting{};
        if (!FindParameterSetting(controller, name, valueText, setting, error))
            return false;
        controller->setParamNormalized(setting.id, setting.value);
        settings.push_back(setting);
        return true;
    }

    bool SetUp(std::string& error) override
    {
        SpeakerArrangement arrangement = channels == 2 ? SpeakerArr::kStereo : SpeakerArr::kMono;
        if (instance->processor()->setBusArrangements(&arrangement, 1, &arrangement, 1) != kResultOk)
        {
            error = "the plug-in refuses the bus arrangement";
            return false;
        }
        ProcessSetup setup{kRealtime, kSample32, blockSize, static_cast<double>(sampleRate)};
        if (instance->processor()->setupProcessing(setup) != kResultOk)
        {
            error = "the plug-in refuses the set-up";
            return false;
        }
        return true;
    }

    bool OpenEditor(std::string& error) override
    {
        editor = EditorWindow::Open(controller, "Vireno", error);
        return editor != nullptr;
    }

    // The processor hears of the parameters set in the first block's input changes.
    void Start() override
    {
        instance->component()->setActive(true);
        instance->processor()->setProcessing(true);
        for (const ParameterSetting& setting : settings)
        {
            int32 queueIndex = 0;
            if (IParamValueQueue* queue = block.inputChanges().addParameterData(setting.id, queueIndex))
            {
                int32 pointIndex = 0;
                queue->addPoint(0, setting.value, pointIndex);
            }
        }
    }

    ReadingSetup Setup() override
    {
        return ReadingSetupOfParameters([&](int offset) { return ParameterListIndex(controller, IdOf(offset)); },
                                        [&](int offset) { return ParameterValueText(controller, IdOf(offset)); });
    }

    void Render(const float* const* inputs, float* const* outputs, int frames) override
    {
        for (int32 c = 0; c < channels; ++c)
            for (int32 i = 0; i < frames; ++i)
                block.input(c)[i] = inputs[c][i];
        instance->processor()->process(block.prepare(frames));
        block.inputChanges().clearQueue();
        for (int32 c = 0; c < channels; ++c)
            for (int32 i = 0; i < frames; ++i)
                outputs[c][i] = block.output(c)[i];
    }

    bool ServeEditor(uint32_t durationMs) override
    {
        editor->RunFor(durationMs);
        return !editor->Closed();
    }

    int ReadDisplay(std::vector<float>& values) override
    {
        return ReadDisplayData(controller, kTunerResultValueCount, values);
    }

    void Finish() override
    {
        editor.reset();
        instance->processor()->setProcessing(false);
        instance->component()->setActive(false);
    }

    bool SaveState(std::vector<char>& state) override
    {
        IPtr<MemoryStream> stream = owned(new MemoryStream);
        if (instance->component()->getState(stream) != kResultOk)
            return false;
        const char* data = stream->getData();
        state.assign(data, data + stream->getSize());
        return true;
    }

private:
    static ParamID IdOf(int offset) { return Vireno::ParameterId(static_cast<TunerParameterIndex::Offset>(offset)); }

    std::unique_ptr<Vst3Module> module;
    std::unique_ptr<Vst3PluginInstance> instance;
    IEditController* controller;
    const int32 channels;
    const int32 blockSize;
    const int sampleRate;
    std::vector<ParameterSetting> settings;
    std::unique_ptr<EditorWindow> editor;
    Vst3ProcessBlock block;
};

} // namespace

std::unique_ptr<HostSession> OpenVst3HostSession(const HostOptions& options, const HostInput& input, std::string& error)
{
    auto module = Vst3Module::load(options.bundle, error);
    if (!module)
        return nullptr;
    TUID processorClass;
    if (!Vst3PluginInstance::findClass(module->factory(), kVstAudioEffectClass, processorClass))
    {
        error = "the bundle offers no audio effect";
        return nullptr;
    }
    auto instance = Vst3PluginInstance::create(module->factory(), processorClass, error);
    if (!instance)
        return nullptr;
    if (!instance->controller())
    {
        error = "the plug-in has no edit controller";
        return nullptr;
    }
    return std::make_unique<Vst3HostSession>(std::move(module), std::move(instance), options, input);
}
