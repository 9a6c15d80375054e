#pragma once

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CEffectParameters.h"
#include "KROAAXParamsIDsConverter.h"
#include "KROAAXStateChunk.h"
#include "aaxsdk/IKROAAXDisplayData.h"

#include <boost/property_tree/ptree_fwd.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CKROAAXPlugEditorMessage;
class CKROParameter;
class CKROPlugInDSP;
class IKROAAXLinkedEditor;
struct KROCheckedStateTree;

// The framework's AAX effect: the host's parameter-and-state object over a format-independent
// effect. It translates AAX identifiers to effect indices, carries automation both ways, renders
// through the effect, keeps the state as one 'stch' text chunk, and passes the track name on.
// The product class creates and owns the effect and its editor link.
//
// Threads: RenderAudio on the host's audio thread; everything else on its main, automation or
// user-interface threads. The two change lists are separate, so audio and parameter traffic never
// share one.
class CKROAudioPlugInAAX : public AAX_CEffectParameters, public IKROAAXDisplayData
{
public:
    // The effect's own binary chunk, accepted on load.
    static constexpr AAX_CTypeID kBinaryChunkID = KROFourCharCode("krdc");
    // The host's notification that the track's name changed; its data is an AAX string.
    static constexpr AAX_CTypeID kTrackNameNotification = KROFourCharCode("AXtn");
    static constexpr const char* kMasterBypassID = "MasterBypassID";
    static constexpr const char* kMasterBypassName = "Master Bypass";
    // Identifiers are made for indices 1 ... this.
    static constexpr int32_t kIdentifierCapacity = 10;
    // The largest chunk text accepted on load; anything larger is refused unread.
    static constexpr int32_t kLargestStateChunk = 16 * 1024 * 1024;

    CKROAudioPlugInAAX();
    ~CKROAudioPlugInAAX() override;

    ACFRESULT QueryInterface(const acfUID& iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    ACFRESULT QueryOwnInterface(const acfUID& iid, void** out) override;

    // User-interface thread: the effect's display data, as the editor reads it.
    int32_t GetDisplayData(int32_t channel, float* values, int32_t capacity) override;

    // Main thread, from the editor's preset selection: selects and pushes every parameter.
    virtual void SelectPreset(int32_t number);
    // Main thread: pushes the parameters the effect asks to refresh.
    virtual void RefreshHostParameters();
    // Audio thread, from the render procedures: channels is the rendered component's count (1 or 2).
    virtual void RenderAudio(const float* const* inputs, float* const* outputs, int32_t frames, int32_t channels);
    // Main thread; only the first call reaches the effect.
    virtual void SetChannelCounts(int32_t inputs, int32_t outputs);
    virtual void SetBlockSize(int32_t frames);
    // User-interface thread: the editor attaches itself, null detaches it.
    virtual void SetEditor(IKROAAXLinkedEditor* editor);
    // User-interface thread: a text from the effect that is not meant for the editor.
    virtual void HandleEffectMessage(const std::string& text);
    virtual void ReceiveStateTree(const boost::property_tree::ptree& tree);
    // Not called: the parameters as typed host parameters (lists as integer states).
    virtual void CreateParameters();

    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;
    AAX_Result GetParameterValueFromString(AAX_CParamID id, double* value, const AAX_IString& text) const override;
    AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                           int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* value) const override;
    AAX_Result SetParameterNormalizedValue(AAX_CParamID id, double value) override;
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value, AAX_EUpdateSource source) override;

    // Main thread: the state chunks. GetChunk writes exactly the text the GetChunkSize before it
    // took; a chunk loads whole, or is refused (AAX_ERROR_MALFORMED_CHUNK) with nothing changed.
    AAX_Result GetNumberOfChunks(int32_t* count) const override;
    AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkId) const override;
    AAX_Result GetChunkSize(AAX_CTypeID chunkId, uint32_t* size) override;
    AAX_Result GetChunk(AAX_CTypeID chunkId, AAX_SPlugInChunk* chunk) override;
    AAX_Result SetChunk(AAX_CTypeID chunkId, const AAX_SPlugInChunk* chunk) override;
    AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual) override;

    // Any thread: the index of an identifier and back, through this adapter's converter.
    IKRO_AAXParamsIDsConverter& Identifiers() const { return *idConverter; }
    CKROPlugInDSP* Effect() const { return effect; }

protected:
    AAX_Result EffectInit() override;

    // "Master Bypass": off by default, automatable, two discrete steps shown as "bypass" and "on".
    void AddMasterBypassParameter();
    // A float host parameter for the record: 0 ... 1 linear, shown with two decimals, automatable.
    void AddFloatParameter(const char* id, const CKROParameter& record);
    // Hands the parameter to the registry; one the registry refuses (its identifier is taken)
    // is deleted here.
    void AddToRegistry(std::unique_ptr<AAX_IParameter> parameter);

    // Calls visit with the identifier and record of every parameter the effect's table holds, in
    // index order.
    void ForEachEffectParameter(const std::function<void(const char*, const CKROParameter*)>& visit);

    // Sets each linked index's host parameter to the effect's value for the host.
    void PushLinkedChanges();
    // Sets the index's host parameter to the effect's value; an index without identifier is skipped.
    void PushToHost(int32_t index);
    // Audio thread: the same for an index with a host parameter only, through the library alone.
    void PushToHostFromAudioThread(int32_t index);

    bool channelCountsSet = false;
    bool blockSizeSet = false;
    std::unique_ptr<CKROAAXParamsIDsConverter> idConverter;
    CKROPlugInDSP* effect = nullptr;                // set and owned by the product class
    CKROAAXPlugEditorMessage* editorLink = nullptr; // set and owned by the product class
    int32_t changeCapacity = 10;
    std::vector<int32_t> linkedChanges;
    int32_t linkedChangeCount = 0;
    std::vector<int32_t> processChanges;
    int32_t processChangeCount = 0;

private:
    // The chunk text: the effect's tree, passed through its conversion for saving, as XML, three
    // blanks after it. False when the effect gives no text.
    bool BuildChunkText(std::string& text);
    // The chunk's XML as a tree converted for loading and checked whole (CheckPluginStateTree);
    // false when it does not parse or is refused.
    bool ReadStateChunk(const AAX_SPlugInChunk& chunk, KROCheckedStateTree& checked);
    // Applies a checked tree, or on failure puts back the state from before.
    void ApplyStateChunk(const boost::property_tree::ptree& tree);
    // Whether loading these values would leave every parameter within the compare tolerance.
    bool HoldsLiveValues(const std::vector<std::pair<int32_t, float>>& values);

    // The text GetChunkSize took, for the GetChunk after it. Main thread only, like the chunk
    // calls: taken by GetChunkSize, used up by GetChunk, dropped by SetChunk.
    std::optional<std::string> chunkSnapshot;
};
