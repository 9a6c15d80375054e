#pragma once

#include "AudioEffect.h"
#include "KROVST3ChangedIndexQueue.h"
#include "KROVST3PeerMessages.h"
#include "KROVST3StateReader.h"

#include <boost/property_tree/ptree_fwd.hpp>

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

class CKROPlugInDSP;

namespace Steinberg {
namespace Vst {

class CKROVST3PlugEditorMessage;

// The framework's VST3 processor: the component side of a plug-in, which owns the framework
// effect and translates the host's audio-processor calls into effect calls. A product class
// creates the effect and the editor link and hands both over with AttachEffect.
//
// Threads: process, setupProcessing, setActive and the parameter queues on the host's audio
// thread; state and messages on the thread the host delivers them on. Nothing on the audio path
// allocates: the change lists, the index queue and the scratch channels are sized beforehand.
// Every host entry point catches whatever its body throws and answers with a failure result.
class CKROAudioPlugInVST3 : public AudioEffect, public KROVST3MessageSender
{
public:
    CKROAudioPlugInVST3();
    ~CKROAudioPlugInVST3() override;

    // IPluginBase
    tresult PLUGIN_API initialize(FUnknown* context) SMTG_OVERRIDE;
    tresult PLUGIN_API terminate() SMTG_OVERRIDE;

    // IComponent
    tresult PLUGIN_API setActive(TBool state) SMTG_OVERRIDE;
    tresult PLUGIN_API setIoMode(IoMode /*mode*/) SMTG_OVERRIDE { return kNotImplemented; }
    tresult PLUGIN_API getRoutingInfo(RoutingInfo& /*in*/, RoutingInfo& /*out*/) SMTG_OVERRIDE
    {
        return kNotImplemented;
    }
    tresult PLUGIN_API getState(IBStream* state) SMTG_OVERRIDE;
    tresult PLUGIN_API setState(IBStream* state) SMTG_OVERRIDE;

    // IConnectionPoint: the controller's messages, on the host's user-interface thread.
    tresult PLUGIN_API notify(IMessage* message) SMTG_OVERRIDE;
    // Whether notify has a handler for a message of the controller with this ID.
    static bool HandlesMessage(const char* id);

    // IAudioProcessor
    tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns, SpeakerArrangement* outputs,
                                          int32 numOuts) SMTG_OVERRIDE;
    tresult PLUGIN_API setupProcessing(ProcessSetup& setup) SMTG_OVERRIDE;
    tresult PLUGIN_API setProcessing(TBool /*state*/) SMTG_OVERRIDE { return kNotImplemented; }
    tresult PLUGIN_API process(ProcessData& data) SMTG_OVERRIDE;
    uint32 PLUGIN_API getLatencySamples() SMTG_OVERRIDE { return 0; }
    uint32 PLUGIN_API getTailSamples() SMTG_OVERRIDE { return 0; }

    // The framework's own operations.
    virtual void SelectPreset(int32 number);
    virtual float GetParameterForHost(int32 index);
    // Texts from the effect that are not meant for the editor.
    virtual void HandleEffectMessage(const std::string& text);
    // The effect's state tree when it is addressed to the adapter; nothing to do with it here.
    virtual void ReceiveStateTree(const boost::property_tree::ptree& /*tree*/) {}
    virtual tresult ProcessInputParameterChanges(ProcessData& data);
    virtual tresult ProcessOutputParameterChanges(ProcessData& data);
    // Called right before the effect processes a block; does nothing here.
    virtual void BeforeProcess(ProcessData& /*data*/) {}
    virtual void SetParameterFromController(int32 index, float value);
    virtual void RefreshHostParameters();

    bool IsMasterBypassed() const { return masterBypass.load(std::memory_order_relaxed) != 0; }
    CKROPlugInDSP* GetEffect() const { return effect; }

    // KROVST3MessageSender: the component's own message path to its controller. Nothing is sent
    // from inside process: the controller's handlers allocate and reach the editors, which the
    // audio thread must not wait for. What the effect owes the editor then goes out with the next
    // user-interface call.
    IMessage* AllocateMessage() override;
    tresult SendMessage(IMessage* message) override;

protected:
    // ComponentBase's hook for "TextMessage": accepted and ignored.
    tresult receiveText(const char8* /*text*/) SMTG_OVERRIDE { return kResultOk; }

    // Takes the product's effect (the product keeps ownership) and the editor link (deleted by this
    // class), tells the effect two channels and sizes the change lists from its capacities.
    void AttachEffect(CKROPlugInDSP* productEffect, CKROVST3PlugEditorMessage* link);

    // Replaces the buses by one input and one output bus of the given arrangements and tells the
    // effect their channel counts.
    void UseBuses(const TChar* inputName, SpeakerArrangement input, const TChar* outputName, SpeakerArrangement output);
    void UseStereoBuses(SpeakerArrangement input, SpeakerArrangement output);

    // Shared steps of process, each for the first input and output bus.
    // Reads the input parameter changes first (hosts flush them with calls that carry no audio),
    // then settles the calls without audio we can touch and the silent blocks. False when the call
    // is done; result then holds what process returns.
    bool PrepareBlock(ProcessData& data, tresult& result);
    // A block counts as silent only when every input channel is flagged so; then the flags go to
    // the output, outputs not processed in place are zeroed and pending settings still reach the
    // algorithm. Returns whether the block was silent.
    bool HandleSilentBlock(ProcessData& data);
    void CopyInputToOutput(ProcessData& data);
    // The tempo, when the host's context has a valid one, and the transport state (playing or
    // recording) from the process context.
    void ReadTempo(ProcessData& data);
    void ReadTransportState(ProcessData& data);
    // Runs the effect on the block and queues the indices it reports.
    void RunEffect(ProcessData& data);

    // A call that carries audio we can touch: one bus each way with channel lists, 32-bit samples.
    static bool HasAudio(const ProcessData& data);

    // Marks the calling thread as the one inside this processor's process for the scope's length.
    class ProcessScope
    {
    public:
        explicit ProcessScope(CKROAudioPlugInVST3& processor);
        ~ProcessScope();
        ProcessScope(const ProcessScope&) = delete;
        ProcessScope& operator=(const ProcessScope&) = delete;

    private:
        CKROAudioPlugInVST3& processor;
    };

    CKROPlugInDSP* effect = nullptr;
    // Written by process (the host's bypass parameter) and by setState, read by getState.
    std::atomic<uint8_t> masterBypass{0};

private:
    tresult ArrangeBuses(SpeakerArrangement* inputs, int32 numIns, SpeakerArrangement* outputs, int32 numOuts);
    // Hands a new rate and block size to the effect; when that fails, the effect gets the old ones
    // back and the answer is false.
    bool ApplyToEffect(double rate, int32 blockSize);
    // Whether the calling thread is inside this processor's process. A member, not a thread-local
    // of the module: the first touch of a thread-local in a loaded library allocates and takes the
    // dynamic linker's lock, which the audio thread must never wait for.
    bool InsideProcess() const;
    // Answers "TextMessage" and any message we do not handle.
    tresult NotifyUnhandled(IMessage& message);

    // Queues the indices the effect reported in a change list (at most the list's capacity) for
    // the host and empties the list.
    void QueueReportedIndices(const std::vector<int32_t>& list, int32_t& count);
    // What a state must fit, from the effect.
    KROVST3StateShape StateShape() const;
    // A state the reader accepted, applied whole, or the state before back when applying throws.
    void ApplyState(const KROVST3State& content);
    void ApplyCheckedState(const KROVST3State& content);

    // The controller's messages by ID, and their handlers; each returns what notify returns.
    static const KROVST3MessageRoute<CKROAudioPlugInVST3> kMessageRoutes[];
    tresult HandleValueRequest(IMessage& message);
    tresult HandleParameterValue(IMessage& message);
    tresult HandlePresetValues(IMessage& message);
    tresult HandlePresetCommand(IMessage& message);
    tresult HandleDisplayDataRequest(IMessage& message);
    tresult HandleCustomData(IMessage& message);
    tresult HandleEditorText(IMessage& message);
    tresult HandleEditorTree(IMessage& message);
    tresult HandleTrackInfo(IMessage& message);
    // The effect's answer to an editor text goes back as "DSP4UI".
    void RunTextStep(const std::string& text);
    // "CKROSetFactoryPresetsMessage" and "CKROSetUserPresetsMessage" answers.
    void SendPresetList(const char* answerName, const std::vector<std::string>& names,
                        const std::vector<std::string>& infos);

    CKROVST3PlugEditorMessage* editorLink = nullptr;
    std::atomic<std::thread::id> processThread{};
    static_assert(std::atomic<std::thread::id>::is_always_lock_free, "the audio thread takes no lock");
    KROVST3ChangedIndexQueue changedIndices;
    std::vector<int32_t> inputChanges;
    int32_t inputChangeCount = 0;
    std::vector<int32_t> controllerChanges;
    int32_t controllerChangeCount = 0;
    std::vector<int32_t> processChanges;
    int32_t processChangeCount = 0;
    double sampleRate = 0.0;
    int32 maxBlockSize = 0;
    // Stand-ins for channels the effect expects but the host's block lacks (a mono block on a
    // stereo effect, an output list shorter than the input list): silence in, ignored out.
    std::vector<float> scratchInput;
    std::vector<float> scratchOutput;
    // The channel lists handed to the effect, at most this many channels.
    static constexpr int32 kMaxEffectChannels = 8;
    std::array<const float*, kMaxEffectChannels> effectInputs{};
    std::array<float*, kMaxEffectChannels> effectOutputs{};
};

} // namespace Vst
} // namespace Steinberg
