#include "KROPlugInDSP.h"

#include <algorithm>
#include <cstring>

namespace {

// The block size with which every algorithm starts: the scratch copy is ready for it before the
// host announces its own.
constexpr int32_t kInitialScratchFrames = 256;
constexpr int32_t kInitialChannelCount = 2;

} // namespace

CKROPlugInDSP::CKROPlugInDSP() : name("Mevarik Effect"), kind("effect"), currentPresetName("-")
{
    SetChannelCounts(kInitialChannelCount, kInitialChannelCount);
    ResizeScratch(kInitialScratchFrames);
}

// The product effect deletes the parameter info; the interface part deletes the algorithms.
CKROPlugInDSP::~CKROPlugInDSP() = default;

void CKROPlugInDSP::BuildParameterTables()
{
    int32_t runningIndex = GetFirstParameterIndex() + parameterIndexOffset;
    presetCounter = 0;
    for (auto& entry : algorithms)
    {
        CKRODSPAlgInterface& algorithm = *entry.second;
        currentAlgorithm = &algorithm;
        if (HasPresetFileSink())
            presetFileSink->RegisterAlgorithm(&algorithm, &runningIndex);
        AlgorithmRecord record;
        record.firstParameterIndex = runningIndex;
        AppendPresetLists(algorithm, record);
        runningIndex += static_cast<int32_t>(algorithm.GetParameters().size()) - parameterIndexOffset;
        record.name = algorithm.GetName();
        algorithmTable.push_back(std::move(record));
    }

    currentAlgorithmKey = 0;
    const auto first = algorithms.find(0);
    currentAlgorithm = first != algorithms.end() ? first->second.get() : nullptr;
    if (currentAlgorithm != nullptr)
        currentAlgorithm->SelectPreset(0);
}

void CKROPlugInDSP::RebuildPresetLists()
{
    presetTable.clear();
    presetCounter = 0;
    size_t row = 0;
    for (auto& entry : algorithms)
    {
        // An algorithm the tables were built without is numbered, but has no row to remember it in.
        AlgorithmRecord unlisted;
        AppendPresetLists(*entry.second, row < algorithmTable.size() ? algorithmTable[row] : unlisted);
        ++row;
    }
}

// Factory presets first, then the user presets.
void CKROPlugInDSP::AppendPresetLists(CKRODSPAlgInterface& algorithm, AlgorithmRecord& record)
{
    record.firstPresetNumber = presetCounter;
    const int32_t factoryCount = algorithm.GetFactoryPresetCount();
    const int32_t presetCount = static_cast<int32_t>(algorithm.GetPresets().size());
    for (int32_t n = 0; n < presetCount; ++n)
    {
        const CKROAudioPreset* preset = algorithm.GetPreset(n);
        presetTable.push_back(
            {n < factoryCount, preset != nullptr ? preset->GetName() : std::string(), algorithm.GetName()});
        ++presetCounter;
    }
}

std::vector<int32_t> CKROPlugInDSP::GetFirstParameterIndices() const
{
    std::vector<int32_t> list;
    for (const AlgorithmRecord& record : algorithmTable)
        list.push_back(record.firstParameterIndex);
    return list;
}

std::vector<int32_t> CKROPlugInDSP::GetFirstPresetNumbers() const
{
    std::vector<int32_t> list;
    for (const AlgorithmRecord& record : algorithmTable)
        list.push_back(record.firstPresetNumber);
    return list;
}

std::vector<std::string> CKROPlugInDSP::GetAlgorithmNames() const
{
    std::vector<std::string> list;
    for (const AlgorithmRecord& record : algorithmTable)
        list.push_back(record.name);
    return list;
}

std::vector<std::string> CKROPlugInDSP::PresetColumn(bool factory, std::string (*field)(const PresetRecord&)) const
{
    std::vector<std::string> list;
    for (const PresetRecord& record : presetTable)
        if (record.factory == factory)
            list.push_back(field(record));
    return list;
}

std::string CKROPlugInDSP::PresetRecord::Title(const PresetRecord& record)
{
    return record.algorithmName + " : " + record.name;
}

std::vector<std::string> CKROPlugInDSP::GetFactoryPresetNames() const
{
    return PresetColumn(true, [](const PresetRecord& record) { return record.name; });
}

std::vector<std::string> CKROPlugInDSP::GetFactoryPresetTitles() const
{
    return PresetColumn(true, PresetRecord::Title);
}

std::vector<std::string> CKROPlugInDSP::GetFactoryPresetAlgorithmNames() const
{
    return PresetColumn(true, [](const PresetRecord& record) { return record.algorithmName; });
}

std::vector<std::string> CKROPlugInDSP::GetUserPresetNames() const
{
    return PresetColumn(false, [](const PresetRecord& record) { return record.name; });
}

std::vector<std::string> CKROPlugInDSP::GetUserPresetTitles() const
{
    return PresetColumn(false, PresetRecord::Title);
}

std::vector<std::string> CKROPlugInDSP::GetUserPresetAlgorithmNames() const
{
    return PresetColumn(false, [](const PresetRecord& record) { return record.algorithmName; });
}

CKRODSPAlgInterface* CKROPlugInDSP::FindAlgorithmForParameter(int32_t index, int32_t& localIndex)
{
    const int32_t first = GetFirstParameterIndex();
    if (index < first + parameterIndexOffset || index >= first + GetParameterCount() || algorithmTable.empty())
    {
        localIndex = index;
        return algorithms.empty() ? nullptr : algorithms.begin()->second.get();
    }
    size_t owner = 0;
    for (size_t k = 1; k < algorithmTable.size(); ++k)
        if (algorithmTable[k].firstParameterIndex <= index)
            owner = k;
    localIndex = index - (algorithmTable[owner].firstParameterIndex - algorithmTable[0].firstParameterIndex);
    const auto found = algorithms.find(static_cast<int32_t>(owner));
    return found != algorithms.end() ? found->second.get() : nullptr;
}

CKRODSPAlgInterface* CKROPlugInDSP::FindAlgorithmForPreset(int32_t number, int32_t& localNumber)
{
    for (size_t k = algorithmTable.size(); k-- > 0;)
    {
        if (algorithmTable[k].firstPresetNumber <= number)
        {
            localNumber = number - algorithmTable[k].firstPresetNumber;
            const auto found = algorithms.find(static_cast<int32_t>(k));
            return found != algorithms.end() ? found->second.get() : nullptr;
        }
    }
    localNumber = number;
    return nullptr;
}

CKRODSPAlgInterface* CKROPlugInDSP::FindAlgorithmForFactoryPreset(int32_t number, int32_t& localNumber)
{
    int32_t sum = 0;
    for (auto& entry : algorithms)
    {
        const int32_t next = sum + entry.second->GetFactoryPresetCount();
        if (next > number)
        {
            localNumber = number - sum;
            return entry.second.get();
        }
        sum = next;
    }
    localNumber = 0;
    return algorithms.empty() ? nullptr : algorithms.begin()->second.get();
}

int32_t CKROPlugInDSP::GetAlgorithmParameterOffset(const CKRODSPAlgInterface* algorithm) const
{
    int32_t key = 0;
    for (const auto& entry : algorithms)
        if (entry.second.get() == algorithm)
            key = entry.first;
    if (key > 0 && static_cast<size_t>(key) < algorithmTable.size())
        return algorithmTable[static_cast<size_t>(key)].firstParameterIndex - algorithmTable[0].firstParameterIndex;
    return 0;
}

int32_t CKROPlugInDSP::GetCurrentPresetNumber()
{
    if (currentAlgorithm == nullptr)
        return 0;
    const int32_t presetCount = static_cast<int32_t>(currentAlgorithm->GetPresets().size());
    int32_t position = 0;
    while (position < presetCount && currentAlgorithm->GetPreset(position) != currentAlgorithm->GetCurrentPreset())
        ++position;
    const size_t key = static_cast<size_t>(currentAlgorithmKey);
    return position + (key < algorithmTable.size() ? algorithmTable[key].firstPresetNumber : 0);
}

void CKROPlugInDSP::SetSampleRate(double rate)
{
    for (auto& entry : algorithms)
        entry.second->SetSampleRate(rate);
}

void CKROPlugInDSP::SetBlockSize(int32_t frames)
{
    for (auto& entry : algorithms)
        entry.second->SetBlockSize(frames);
    if (frames > scratchCapacity)
        ResizeScratch(frames);
}

std::string CKROPlugInDSP::GetName(bool kindText) const
{
    return kindText ? kind : name;
}

uint32_t CKROPlugInDSP::GetEffectCode() const
{
    return effectCode;
}

void CKROPlugInDSP::ResetAlgorithms()
{
    for (auto& entry : algorithms)
        entry.second->Reset();
}

void CKROPlugInDSP::SetChannelCounts(int32_t inputs, int32_t outputs)
{
    inputs = std::max(inputs, 0);
    outputs = std::max(outputs, 0);
    if (inputs == inputChannelCount && outputs == outputChannelCount)
        return;
    inputChannelCount = inputs;
    outputChannelCount = outputs;
    inputPeaks.assign(static_cast<size_t>(inputs), 0.0f);
    outputPeaks.assign(static_cast<size_t>(outputs), 0.0f);
    pieceOutputs.assign(static_cast<size_t>(outputs), nullptr);
    for (auto& entry : algorithms)
        entry.second->SetChannelCounts(std::min(inputs, kMaxScratchChannels), outputs);
}

int32_t CKROPlugInDSP::GetInputChannelCount() const
{
    return inputChannelCount;
}

int32_t CKROPlugInDSP::GetOutputChannelCount() const
{
    return outputChannelCount;
}

void CKROPlugInDSP::Hook()
{
    if (currentAlgorithm != nullptr)
        currentAlgorithm->Hook();
}

void CKROPlugInDSP::ResizeScratch(int32_t frames)
{
    for (size_t c = 0; c < scratchInputs.size(); ++c)
    {
        scratchInputs[c].assign(static_cast<size_t>(frames), 0.0f);
        scratchPointers[c] = scratchInputs[c].data();
    }
    scratchCapacity = frames;
}

// Runs on the audio thread and never allocates: a block longer than the scratch copy (a host
// exceeding the block size it announced) is processed in pieces the copy can hold.
void CKROPlugInDSP::Process(const float* const* inputs, float* const* outputs, int32_t frames, int32_t*,
                            int32_t& changedCount)
{
    if (currentAlgorithm == nullptr || frames < 0)
        return;
    changedCount = 0;
    if (frames <= scratchCapacity)
    {
        ProcessPiece(inputs, outputs, 0, frames);
        return;
    }
    for (int32_t offset = 0; offset < frames; offset += scratchCapacity)
    {
        for (size_t c = 0; c < pieceOutputs.size(); ++c)
            pieceOutputs[c] = outputs[c] + offset;
        ProcessPiece(inputs, pieceOutputs.data(), offset, std::min(scratchCapacity, frames - offset));
    }
}

void CKROPlugInDSP::ProcessPiece(const float* const* inputs, float* const* outputs, int32_t offset, int32_t frames)
{
    if (frames != currentAlgorithm->GetBlockSize())
        currentAlgorithm->SetBlockSize(frames);
    const int32_t copied = std::min(inputChannelCount, kMaxScratchChannels);
    for (int32_t c = 0; c < copied; ++c)
        std::memcpy(scratchInputs[static_cast<size_t>(c)].data(), inputs[c] + offset,
                    static_cast<size_t>(frames) * sizeof(float));
    currentAlgorithm->Process(scratchPointers.data(), outputs, inputPeaks.data(), outputPeaks.data(), frames);
}

float CKROPlugInDSP::GetParameterForHost(int32_t index)
{
    return GetParameterNormalized(index);
}

double CKROPlugInDSP::GetParameterPlain(int32_t index)
{
    const float normalized = GetParameterNormalized(index);
    return parameterInfo != nullptr ? parameterInfo->Denormalize(index, normalized) : normalized;
}

float CKROPlugInDSP::NormalizeParameterValue(int32_t index, float plainValue)
{
    return parameterInfo != nullptr ? parameterInfo->Normalize(index, plainValue) : plainValue;
}

float CKROPlugInDSP::DenormalizeParameterValue(int32_t index, float normalized)
{
    return parameterInfo != nullptr ? parameterInfo->Denormalize(index, normalized) : normalized;
}

const float* CKROPlugInDSP::GetDisplayData(int32_t, int32_t& count)
{
    DeliverPendingStateUpdate();
    count = 0;
    return nullptr;
}

int32_t CKROPlugInDSP::SetDisplayData(int32_t, const float*, int32_t)
{
    DeliverPendingStateUpdate();
    return 0;
}

int32_t CKROPlugInDSP::GetParameterCount() const
{
    return parameterInfo != nullptr ? parameterInfo->GetParameterCount() : 0;
}

int32_t CKROPlugInDSP::GetFirstParameterIndex() const
{
    return parameterInfo != nullptr ? parameterInfo->GetFirstParameterIndex() : 0;
}

uint8_t* CKROPlugInDSP::GetBinaryChunk(int32_t& size)
{
    size = 0;
    return nullptr;
}

void CKROPlugInDSP::SetBinaryChunk(const uint8_t*, int32_t) {}
