#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <boost/property_tree/ptree.hpp>

#include "kro-core/plugin/IKROParamInfoInterface.h"
#include "kro-core/plugin/IKROPlugEditorMessage.h"
#include "kro-core/plugin/KROStateTreeCheck.h"
#include "KROPlugInInterface.h"
#include "kro-core/plugin/TrackInfoRecord.h"

// The framework's effect: algorithm and preset tables, parameter setting with the modified-state
// rule, the PluginState tree, preset selection and the editor's text messages. A product effect
// derives from it, creates its algorithms and parameter info, then calls BuildParameterTables.
//
// Threads: Process and, through host automation, SetParameterNormalized run on the audio thread;
// everything else on the user-interface thread. A parameter change on the audio thread only marks
// the state modified; the "GUIWantsUpdate" tree that the mark owes the editor is sent by the next
// user-interface entry (DeliverPendingStateUpdate), because building a tree allocates. Overrides
// of user-interface entries that do not call the base first call DeliverPendingStateUpdate.
class CKROPlugInDSP : public CKROPlugInInterface
{
public:
    // The base's scratch copy of the host's inputs holds this many channels; the algorithms are
    // told at most this many inputs, so they never read past the copy.
    static constexpr int32_t kMaxScratchChannels = 8;
    // A parameter change this long after the last preset or state load marks the state modified;
    // earlier ones are the host's echo of the loaded values.
    static constexpr int32_t kModifiedWindowMilliseconds = 500;

    CKROPlugInDSP();
    ~CKROPlugInDSP() override;

    // Parameters (values normalised to 0 ... 1).
    // Any thread; reads only.
    float GetParameterNormalized(int32_t index) override;
    // User-interface thread.
    void SelectPreset(int32_t number) override;
    // Audio thread (host automation) or user-interface thread (editor, controller).
    void SetParameterNormalized(int32_t index, float value, int32_t* changedIndices, int32_t& changedCount) override;
    // The thread of the SetParameterNormalized, state or preset call it serves.
    void ApplyParameterValue(int32_t index, float value) override;

    // User-interface thread, while not processing.
    virtual void SetSampleRate(double rate);
    // User-interface thread, while not processing. Also sizes the scratch copy of the inputs, here
    // rather than on the audio thread.
    virtual void SetBlockSize(int32_t frames);
    // Any thread; reads only. kind false: the effect's name; true: its kind.
    virtual std::string GetName(bool kind) const;
    // Any thread; reads only.
    virtual uint32_t GetEffectCode() const;
    // User-interface thread.
    virtual void ResetAlgorithms();
    // User-interface thread, while not processing.
    virtual void SetChannelCounts(int32_t inputs, int32_t outputs);
    // Any thread; reads only.
    virtual int32_t GetInputChannelCount() const;
    // Any thread; reads only.
    virtual int32_t GetOutputChannelCount() const;
    // User-interface thread. Forwards to the current algorithm's hook.
    virtual void Hook();
    // Audio thread; never allocates, locks or waits. Inputs and outputs may be the same buffers.
    virtual void Process(const float* const* inputs, float* const* outputs, int32_t frames, int32_t* changedIndices,
                         int32_t& changedCount);
    // Any thread; reads only.
    virtual float GetParameterForHost(int32_t index);
    // Any thread; reads only.
    virtual double GetParameterPlain(int32_t index);
    // Any thread; reads only.
    virtual float NormalizeParameterValue(int32_t index, float plainValue);
    // Any thread; reads only.
    virtual float DenormalizeParameterValue(int32_t index, float normalized);
    // User-interface thread.
    virtual const float* GetDisplayData(int32_t channel, int32_t& count);
    // User-interface thread.
    virtual int32_t SetDisplayData(int32_t channel, const float* data, int32_t count);
    // User-interface thread.
    virtual void GetParameterText(std::string& text, int32_t index, bool withName, bool withUnit);
    // Any thread; reads only.
    virtual int32_t GetParameterCount() const;
    // Any thread; reads only.
    virtual int32_t GetFirstParameterIndex() const;
    // Capacities of the changed lists handed to SetParameterNormalized and Process.
    // Any thread; a constant.
    virtual int32_t GetMaxLinkedParameterChanges() const = 0;
    // Any thread; a constant.
    virtual int32_t GetMaxProcessParameterChanges() const = 0;
    // User-interface thread.
    virtual std::vector<int32_t> GetParametersToRefresh(int32_t& mode);
    // Audio thread, every block with the host's tempo: only a change reaches the algorithms.
    virtual void SetTempo(double beatsPerMinute);
    // User-interface thread.
    virtual void GetDefaultParameterValues(std::map<int32_t, float>& values, int32_t factoryPresetNumber);
    // User-interface thread.
    virtual int32_t GetCurrentPresetNumber();
    // User-interface thread.
    virtual CKRODSPAlgInterface* FindAlgorithmForFactoryPreset(int32_t number, int32_t& localNumber);
    // User-interface thread. Applies the values only when the map holds one per parameter.
    virtual void SetParameterValues(const std::map<int32_t, float>& values);
    // User-interface thread.
    virtual void RebuildPresetLists();
    // User-interface thread.
    virtual std::string HandleGuiMessage(const std::string& text);
    // User-interface thread. The editor's paste: checked as a state is, but without the name test.
    // The answer is always empty.
    virtual boost::property_tree::ptree SetStateTreeFromEditor(const boost::property_tree::ptree& tree);
    // User-interface thread.
    virtual uint8_t* GetBinaryChunk(int32_t& size);
    // User-interface thread.
    virtual void SetBinaryChunk(const uint8_t* data, int32_t size);
    // User-interface thread.
    virtual void SetTrackInfo(const TrackInfoRecord& record);
    // Audio thread. Returns whether the state differs from the one stored before.
    virtual bool SetTransportPlaying(bool playing);
    // Any thread; reads only.
    virtual bool IsTransportPlaying() const;

    // The PluginState tree.
    // User-interface thread.
    virtual void BuildStateTree();
    // User-interface thread. A tree with a parameter entry that cannot be read is refused whole:
    // nothing of it is applied and nothing is sent.
    virtual void ApplyStateTree();
    // User-interface thread.
    // The host's state: applied only when its "Name" is this effect's name, or when it has no
    // "PluginInfo" at all.
    virtual void SetStateTree(const boost::property_tree::ptree& tree);
    // User-interface thread.
    virtual void GetStateTree(boost::property_tree::ptree& tree);
    // User-interface thread. Hook around the adapters' reading and writing; changes nothing here.
    virtual bool ConvertStateTree(boost::property_tree::ptree& tree, bool loading);

    // Index mapping between the global numbering and the algorithms.
    // Any thread; reads the tables only.
    virtual CKRODSPAlgInterface* FindAlgorithmForParameter(int32_t index, int32_t& localIndex);
    // User-interface thread.
    virtual CKRODSPAlgInterface* FindAlgorithmForPreset(int32_t number, int32_t& localNumber);
    // Any thread; reads only.
    virtual int32_t GetAlgorithmParameterOffset(const CKRODSPAlgInterface* algorithm) const;

    // Sends the "GUIWantsUpdate" tree that an earlier parameter change owes the editor. Call only
    // on the user-interface thread; the base's entries there call it themselves.
    void DeliverPendingStateUpdate();

    // Called once by the product effect when its algorithms and parameter info exist.
    void BuildParameterTables();

    // The parameter table the effect was built with; the AAX adapter makes its host parameters from it.
    IKROParamInfoInterface* GetParameterInfo() const { return parameterInfo; }

    // Installed by the adapter right after it creates the effect, before any other call.
    void SetEditorLink(IKROPlugEditorMessage* link) { editorLink = link; }

    bool IsPresetModified() const { return presetModified.load(std::memory_order_acquire); }
    const std::string& GetCurrentPresetName() const { return currentPresetName; }
    float GetZoom() const { return zoom; }
    // The editor's zoom factors: above 0, at most kMaximumZoom. Any other value, from a state or the
    // editor, leaves the zoom as it is.
    static constexpr float kMaximumZoom = 8.0f;
    static bool IsZoomInRange(float value) { return value > 0.0f && value <= kMaximumZoom; }
    // What the host last reported; nothing in the effect depends on it.
    const TrackInfoRecord& GetTrackInfo() const { return trackInfo; }

    // The tables as lists, one entry an algorithm (in key order) or a preset (in global number order).
    std::vector<int32_t> GetFirstParameterIndices() const;
    std::vector<int32_t> GetFirstPresetNumbers() const;
    std::vector<std::string> GetAlgorithmNames() const;
    std::vector<std::string> GetFactoryPresetNames() const;
    std::vector<std::string> GetFactoryPresetTitles() const;
    std::vector<std::string> GetFactoryPresetAlgorithmNames() const;
    std::vector<std::string> GetUserPresetNames() const;
    std::vector<std::string> GetUserPresetTitles() const;
    std::vector<std::string> GetUserPresetAlgorithmNames() const;

protected:
    void SetName(std::string name_) { name = std::move(name_); }
    void SetParameterInfo(IKROParamInfoInterface* info) { parameterInfo = info; }
    // One value per channel for the algorithms to meter into. Only SetChannelCounts reallocates
    // them, so a product's own Process may hand them on from the audio thread.
    float* InputPeaks() { return inputPeaks.data(); }
    float* OutputPeaks() { return outputPeaks.data(); }

private:
    // One row an algorithm, in key order: where its parameters and presets start in the global
    // numbering, and its name.
    struct AlgorithmRecord
    {
        int32_t firstParameterIndex = 0;
        int32_t firstPresetNumber = 0;
        std::string name;
    };
    // One row a preset, in global number order (each algorithm's factory presets before its user
    // presets); its title is "<algorithm> : <preset>".
    struct PresetRecord
    {
        bool factory = false;
        std::string name;
        std::string algorithmName;

        static std::string Title(const PresetRecord& record);
    };
    // One field of the factory or of the user presets, in number order.
    std::vector<std::string> PresetColumn(bool factory, std::string (*field)(const PresetRecord&)) const;

    // Writes the tree of the current state into the given tree, replacing what it held.
    void WriteStateTree(boost::property_tree::ptree& tree);
    // Sends the tree to the editor with "Action" set to the given action.
    void SendStateTreeToEditor(boost::property_tree::ptree& tree, const char* action);
    void ApplyStateBinaryChunk();
    void ApplyStatePreset();
    void ApplyStateZoom();
    // Every value of the tree, read whole beforehand; then "UpdateParameterValues" to the adapter.
    void ApplyStateParameters(const KROStateValues& values);
    // Applies an algorithm's records to the effect as a load does: no change in it marks the state
    // modified.
    void ApplyAlgorithmValues(CKRODSPAlgInterface& algorithm);
    // Starts the window within which parameter changes do not mark the state modified.
    void RestartModifiedWindow();
    void AppendPresetLists(CKRODSPAlgInterface& algorithm, AlgorithmRecord& record);
    void ResizeScratch(int32_t frames);
    void ProcessPiece(const float* const* inputs, float* const* outputs, int32_t offset, int32_t frames);

    IKROParamInfoInterface* parameterInfo = nullptr;
    boost::property_tree::ptree stateTree;
    // Written on the user-interface thread, read by the modified rule on either thread.
    std::atomic<bool> stateApplied{false};
    // Set while a preset or a state applies its own values.
    std::atomic<bool> applyingLoadedValues{false};
    IKROPlugEditorMessage* editorLink = nullptr;
    std::string name;
    std::string kind;
    uint32_t effectCode = 0x65656530;
    int32_t inputChannelCount = 0;
    int32_t outputChannelCount = 0;
    std::vector<float> inputPeaks;
    std::vector<float> outputPeaks;
    // Room between the global numbering and the algorithms' own; none in this system.
    const int32_t parameterIndexOffset = 0;
    int32_t presetCounter = 0;
    std::vector<AlgorithmRecord> algorithmTable;
    std::vector<PresetRecord> presetTable;
    std::map<int32_t, float> defaultValues;
    bool defaultsCaptured = false;
    std::atomic<bool> transportPlaying{false};
    TrackInfoRecord trackInfo{};
    uint32_t version = 0;
    std::array<std::vector<float>, kMaxScratchChannels> scratchInputs;
    std::array<const float*, kMaxScratchChannels> scratchPointers{};
    // The outputs of one piece of a block longer than the scratch copy.
    std::vector<float*> pieceOutputs;
    int32_t scratchCapacity = -1;
    std::string currentPresetName;
    std::atomic<bool> presetModified{false};
    // A change marked the state modified and the editor has not yet been sent its tree.
    std::atomic<bool> stateUpdatePending{false};
    std::atomic<uint32_t> stateTimeStamp{0};
    float zoom = 1.0f;
};
