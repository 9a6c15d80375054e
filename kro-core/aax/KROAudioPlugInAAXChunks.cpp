// The adapter's state chunks: the whole state is one 'stch' text chunk; 'krdc' is the effect's
// binary chunk, accepted on load; every other identifier is the library's.

#include "KROAudioPlugInAAX.h"

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Guarded.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/plugin/KROStateTreeXml.h"

#include <boost/property_tree/ptree.hpp>

#include <cmath>
#include <cstring>
#include <stdexcept>

namespace pt = boost::property_tree;

namespace {

// The text after the XML.
constexpr const char* kChunkTextTail = "   ";
// A stored value this close to the live one counts as the same.
constexpr double kCompareTolerance = 5e-5;

// Whether the host's chunk can be read at all: present, and a size that is neither negative nor
// beyond what any state of ours could be.
bool IsReadable(const AAX_SPlugInChunk* chunk)
{
    return chunk && chunk->size >= 0 && chunk->size <= CKROAudioPlugInAAX::kLargestStateChunk;
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
    *chunkId = kStateChunkID;
    return AAX_SUCCESS;
}

bool CKROAudioPlugInAAX::BuildChunkText(bool saving, std::string& text)
{
    pt::ptree tree;
    effect->GetStateTree(tree);
    if (saving)
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
    return AAX_Guarded([&] {
        std::string text;
        if (!BuildChunkText(false, text) || text.size() > static_cast<size_t>(kLargestStateChunk))
            return static_cast<AAX_Result>(AAX_ERROR_INCORRECT_CHUNK_SIZE);
        reportedChunkSize = static_cast<int32_t>(text.size());
        *size = static_cast<uint32_t>(reportedChunkSize);
        return static_cast<AAX_Result>(AAX_SUCCESS);
    });
}

AAX_Result CKROAudioPlugInAAX::GetChunk(AAX_CTypeID chunkId, AAX_SPlugInChunk* chunk)
{
    if (chunkId != kStateChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (!effect)
        return AAX_ERROR_NOT_INITIALIZED;
    if (!chunk)
        return AAX_ERROR_NULL_ARGUMENT;
    return AAX_Guarded([&] {
        std::string text;
        if (!BuildChunkText(true, text))
            return static_cast<AAX_Result>(AAX_ERROR_INCORRECT_CHUNK_SIZE);
        // The host made room for the size GetChunkSize reported: a text that grew since does not
        // fit, one that shrank is filled up with blanks, which XML ignores after the root.
        if (reportedChunkSize < 0 || text.size() > static_cast<size_t>(reportedChunkSize))
            return static_cast<AAX_Result>(AAX_ERROR_INCORRECT_CHUNK_SIZE);
        text.resize(static_cast<size_t>(reportedChunkSize), ' ');
        chunk->size = reportedChunkSize;
        std::memset(chunk->name, 0, sizeof(chunk->name));
        std::strncpy(reinterpret_cast<char*>(chunk->name), kStateChunkName, sizeof(chunk->name) - 1);
        std::memcpy(chunk->data, text.data(), text.size());
        return static_cast<AAX_Result>(AAX_SUCCESS);
    });
}

pt::ptree CKROAudioPlugInAAX::ReadChunkTree(const AAX_SPlugInChunk& chunk)
{
    const std::string text(chunk.data, static_cast<size_t>(chunk.size));
    pt::ptree tree;
    if (!ReadStateTreeXml(text, tree))
        throw std::runtime_error("the chunk holds no XML");
    effect->ConvertStateTree(tree, true);
    return tree;
}

AAX_Result CKROAudioPlugInAAX::SetChunk(AAX_CTypeID chunkId, const AAX_SPlugInChunk* chunk)
{
    if (chunkId != kStateChunkID && chunkId != kBinaryChunkID)
        return AAX_CEffectParameters::SetChunk(chunkId, chunk);
    if (!chunk)
        return AAX_ERROR_NULL_ARGUMENT;
    if (!IsReadable(chunk))
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    if (!effect)
        return AAX_SUCCESS;
    if (chunkId == kBinaryChunkID)
        return AAX_Guarded([&] {
            int32_t size = 0;
            effect->GetBinaryChunk(size);
            if (size != 0 && size == chunk->size)
                effect->SetBinaryChunk(reinterpret_cast<const uint8_t*>(chunk->data), size);
            return static_cast<AAX_Result>(AAX_SUCCESS);
        });
    // A chunk that does not parse or apply leaves the state as it was and is not the host's fault.
    AAX_Guarded([&] {
        effect->SetStateTree(ReadChunkTree(*chunk));
        return static_cast<AAX_Result>(AAX_SUCCESS);
    });
    return AAX_SUCCESS;
}

AAX_Result CKROAudioPlugInAAX::CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual)
{
    if (!chunk || !isEqual)
        return AAX_ERROR_NULL_ARGUMENT;
    *isEqual = false;
    if (!IsReadable(chunk))
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    if (!effect)
        return AAX_CEffectParameters::CompareActiveChunk(chunk, isEqual);
    bool compared = false;
    AAX_Guarded([&] {
        const pt::ptree tree = ReadChunkTree(*chunk);
        for (const auto& child : tree.get_child("PluginState.Parameters"))
        {
            const auto index = child.second.get<uint32_t>("Index");
            const auto value = child.second.get<float>("Value");
            if (std::fabs(value - effect->GetParameterNormalized(static_cast<int32_t>(index))) > kCompareTolerance)
            {
                compared = true;
                return static_cast<AAX_Result>(AAX_SUCCESS);
            }
        }
        *isEqual = true;
        compared = true;
        return static_cast<AAX_Result>(AAX_SUCCESS);
    });
    return compared ? AAX_SUCCESS : AAX_CEffectParameters::CompareActiveChunk(chunk, isEqual);
}
