// The adapter's state chunks: the whole state is one 'stch' text chunk; 'krdc' is the effect's
// binary chunk, accepted on load; every other identifier is the library's.

#include "KROAudioPlugInAAX.h"

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Guarded.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/plugin/KROStateTreeCheck.h"
#include "kro-core/plugin/KROStateTreeXml.h"

#include <boost/property_tree/ptree.hpp>

#include <cmath>
#include <cstring>
#include <map>

namespace pt = boost::property_tree;

namespace {

// The text after the XML.
constexpr const char* kChunkTextTail = "   ";
// A stored value this close to the live one counts as the same.
constexpr double kCompareTolerance = 5e-5;

// Whether the host's chunk can be read at all: a size that is neither negative nor beyond what
// any state of ours could be.
bool IsReadable(const AAX_SPlugInChunk& chunk)
{
    return chunk.size >= 0 && chunk.size <= CKROAudioPlugInAAX::kLargestStateChunk;
}

} // namespace

AAX_Result CKROAudioPlugInAAX::GetNumberOfChunks(int32_t* count) const
{
    if (!count)
        return AAX_ERROR_NULL_ARGUMENT;
    *count = 1;
    return AAX_SUCCESS;
}

AAX_Result CKROAudioPlugInAAX::GetChunkIDFromIndex(int32_t, AAX_CTypeID* chunkId) const
{
    if (!chunkId)
        return AAX_ERROR_NULL_ARGUMENT;
    *chunkId = KROAAXStateChunk::kID;
    return AAX_SUCCESS;
}

bool CKROAudioPlugInAAX::BuildChunkText(std::string& text)
{
    pt::ptree tree;
    effect->GetStateTree(tree);
    effect->ConvertStateTree(tree, false);
    if (!WriteStateTreeXml(tree, KROStateTreeLayout::kCompact, text))
        return false;
    text += kChunkTextTail;
    return true;
}

AAX_Result CKROAudioPlugInAAX::GetChunkSize(AAX_CTypeID, uint32_t* size)
{
    if (!size)
        return AAX_ERROR_NULL_ARGUMENT;
    if (!effect)
        return AAX_ERROR_NOT_INITIALIZED;
    return AAX_Guarded([&]() -> AAX_Result {
        chunkSnapshot.reset();
        std::string text;
        if (!BuildChunkText(text) || text.size() > static_cast<size_t>(kLargestStateChunk))
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
        *size = static_cast<uint32_t>(text.size());
        chunkSnapshot = std::move(text);
        return AAX_SUCCESS;
    });
}

AAX_Result CKROAudioPlugInAAX::GetChunk(AAX_CTypeID chunkId, AAX_SPlugInChunk* chunk)
{
    if (chunkId != KROAAXStateChunk::kID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (!effect)
        return AAX_ERROR_NOT_INITIALIZED;
    if (!chunk)
        return AAX_ERROR_NULL_ARGUMENT;
    return AAX_Guarded([&]() -> AAX_Result {
        // The text GetChunkSize took, for which the host made room, whatever moved since; without
        // one, the state as it is now, when it fits the room the host's header gives.
        std::string text;
        if (chunkSnapshot)
        {
            text = std::move(*chunkSnapshot);
            chunkSnapshot.reset();
        }
        else if (!BuildChunkText(text) || chunk->size < 0 || text.size() > static_cast<size_t>(chunk->size))
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
        chunk->size = static_cast<int32_t>(text.size());
        std::memset(chunk->name, 0, sizeof(chunk->name));
        std::strncpy(reinterpret_cast<char*>(chunk->name), KROAAXStateChunk::kName, sizeof(chunk->name) - 1);
        std::memcpy(chunk->data, text.data(), text.size());
        return AAX_SUCCESS;
    });
}

bool CKROAudioPlugInAAX::ReadStateChunk(const AAX_SPlugInChunk& chunk, KROCheckedStateTree& checked)
{
    const std::string text(chunk.data, static_cast<size_t>(chunk.size));
    pt::ptree tree;
    if (!ReadStateTreeXml(text, tree))
        return false;
    effect->ConvertStateTree(tree, true);
    const KROStateTreeShape shape{effect->GetName(false), effect->GetFirstParameterIndex(),
                                  effect->GetParameterCount()};
    return CheckPluginStateTree(std::move(tree), shape, checked);
}

void CKROAudioPlugInAAX::ApplyStateChunk(const pt::ptree& tree)
{
    // Applying allocates (copies of the tree, messages to the editor). When memory runs out half
    // way, the state from before goes back, and with it the host's parameters, so that a refused
    // chunk has changed nothing.
    pt::ptree before;
    effect->GetStateTree(before);
    try
    {
        // Sends "UpdateParameterValues", on which every host parameter takes the effect's value.
        effect->SetStateTree(tree);
    }
    catch (...)
    {
        AAX_Guarded([&]() -> AAX_Result {
            effect->SetStateTree(before);
            return AAX_SUCCESS;
        });
        throw;
    }
}

AAX_Result CKROAudioPlugInAAX::SetChunk(AAX_CTypeID chunkId, const AAX_SPlugInChunk* chunk)
{
    // The host asked for the size of the state before this load; whatever it asks for next is
    // taken anew.
    chunkSnapshot.reset();
    if (chunkId != KROAAXStateChunk::kID && chunkId != kBinaryChunkID)
        return AAX_CEffectParameters::SetChunk(chunkId, chunk);
    if (!chunk)
        return AAX_ERROR_NULL_ARGUMENT;
    if (!IsReadable(*chunk))
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    if (chunkId == kBinaryChunkID)
    {
        if (!effect)
            return AAX_SUCCESS;
        return AAX_Guarded([&]() -> AAX_Result {
            int32_t size = 0;
            effect->GetBinaryChunk(size);
            if (size != 0 && size == chunk->size)
                effect->SetBinaryChunk(reinterpret_cast<const uint8_t*>(chunk->data), size);
            return AAX_SUCCESS;
        });
    }
    // A state that has nowhere to go is not taken: the host learns that the session's settings
    // were not restored.
    if (!effect)
        return AAX_ERROR_NOT_INITIALIZED;
    // A chunk is checked whole, then applied whole. One that does not parse or pass the check
    // leaves the state as it was, and the host is told so.
    return AAX_Guarded([&]() -> AAX_Result {
        KROCheckedStateTree checked;
        if (!ReadStateChunk(*chunk, checked))
            return AAX_ERROR_MALFORMED_CHUNK;
        ApplyStateChunk(checked.tree);
        return AAX_SUCCESS;
    });
}

bool CKROAudioPlugInAAX::HoldsLiveValues(const KROStateValues& values)
{
    // Where an index comes twice, loading leaves the later value.
    std::map<int32_t, float> loaded;
    for (const auto& [index, value] : values)
        loaded[index] = value;
    for (const auto& [index, value] : loaded)
        if (std::fabs(value - effect->GetParameterNormalized(index)) > kCompareTolerance)
            return false;
    return true;
}

AAX_Result CKROAudioPlugInAAX::CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual)
{
    if (!chunk || !isEqual)
        return AAX_ERROR_NULL_ARGUMENT;
    // A chunk that cannot be compared counts as equal, one whose size cannot be read included.
    if (!IsReadable(*chunk))
    {
        *isEqual = true;
        return AAX_SUCCESS;
    }
    *isEqual = false;
    if (!effect)
        return AAX_CEffectParameters::CompareActiveChunk(chunk, isEqual);
    // Equal when loading the chunk would leave every value where it is; one that SetChunk would
    // refuse is no state of ours, and the library decides.
    bool compared = false;
    AAX_Guarded([&]() -> AAX_Result {
        KROCheckedStateTree checked;
        if (!ReadStateChunk(*chunk, checked))
            return AAX_SUCCESS;
        *isEqual = HoldsLiveValues(checked.values);
        compared = true;
        return AAX_SUCCESS;
    });
    return compared ? AAX_SUCCESS : AAX_CEffectParameters::CompareActiveChunk(chunk, isEqual);
}
