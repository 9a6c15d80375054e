// The library's controls chunk 'elck': every parameter's value but the filtered ones (the master
// bypass), written and read through the chunk data parser in registry order.

#include "AAX_CEffectParameters.h"

#include "AAX_CString.h"
#include "AAX_Guarded.h"
#include "AAX_HostServicesHolder.h"
#include "AAX_IParameter.h"

#include <cstring>

AAX_Result AAX_CEffectParameters::GetNumberOfChunks(int32_t* count) const
{
    if (!count)
        return AAX_ERROR_NULL_ARGUMENT;
    *count = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex(int32_t index, AAX_CTypeID* chunkId) const
{
    if (!chunkId)
        return AAX_ERROR_NULL_ARGUMENT;
    *chunkId = index == 0 ? kControlsChunkID : 0;
    return index == 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_INDEX;
}

bool AAX_CEffectParameters::IsFiltered(const char* identifier) const
{
    return filteredIdentifiers.count(identifier) != 0;
}

namespace {

// A parameter's value by the first type it answers for: each parameter answers only for its own.
struct ControlValue
{
    enum Kind
    {
        kNone,
        kFloat,
        kInt32,
        kBool,
        kDouble,
        kString,
    } kind = kNone;
    float asFloat = 0.0f;
    int32_t asInt = 0;
    bool asBool = false;
    double asDouble = 0.0;
    AAX_CString asString;
};

ControlValue ReadControlValue(const AAX_IParameter& parameter)
{
    ControlValue value;
    if (parameter.GetValueAsFloat(&value.asFloat))
        value.kind = ControlValue::kFloat;
    else if (parameter.GetValueAsInt32(&value.asInt))
        value.kind = ControlValue::kInt32;
    else if (parameter.GetValueAsBool(&value.asBool))
        value.kind = ControlValue::kBool;
    else if (parameter.GetValueAsDouble(&value.asDouble))
        value.kind = ControlValue::kDouble;
    else if (parameter.GetValueAsString(&value.asString))
        value.kind = ControlValue::kString;
    return value;
}

} // namespace

template <typename Visit>
void AAX_CEffectParameters::ForEachControl(bool reportMissing, Visit visit)
{
    int32_t count = 0;
    GetNumberOfParameters(&count);
    for (int32_t position = 0; position < count; ++position)
    {
        AAX_IParameter* parameter = parameterRegistry.GetParameter(position);
        if (reportMissing)
            AAX_ASSERT(NULL != parameter);
        if (!parameter || IsFiltered(parameter->Identifier()))
            continue;
        if (!visit(*parameter, ReadControlValue(*parameter)))
            return;
    }
}

void AAX_CEffectParameters::FillControlsChunk()
{
    chunkParser.Clear();
    ForEachControl(true, [&](AAX_IParameter& parameter, const ControlValue& value) {
        const char* name = parameter.Identifier();
        switch (value.kind)
        {
        case ControlValue::kFloat:
            chunkParser.AddDouble(name, value.asFloat);
            break;
        case ControlValue::kInt32:
            chunkParser.AddInt32(name, value.asInt);
            break;
        case ControlValue::kBool:
            chunkParser.AddInt32(name, value.asBool ? 1 : 0);
            break;
        case ControlValue::kDouble:
            chunkParser.AddDouble(name, value.asDouble);
            break;
        case ControlValue::kString:
            chunkParser.AddString(name, value.asString);
            break;
        case ControlValue::kNone:
            break;
        }
        return true;
    });
}

AAX_Result AAX_CEffectParameters::GetChunkSize(AAX_CTypeID chunkId, uint32_t* size)
{
    if (!size)
        return AAX_ERROR_NULL_ARGUMENT;
    if (chunkId != kControlsChunkID)
    {
        *size = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }
    return AAX_Guarded([&]() -> AAX_Result {
        FillControlsChunk();
        lastChunkSize = static_cast<int32_t>(chunkParser.GetChunkDataSize());
        if (lastChunkSize < 0)
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
        *size = static_cast<uint32_t>(lastChunkSize);
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetChunk(AAX_CTypeID chunkId, AAX_SPlugInChunk* chunk)
{
    if (chunkId != kControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (!chunk)
        return AAX_ERROR_NULL_ARGUMENT;
    return AAX_Guarded([&]() -> AAX_Result {
        FillControlsChunk();
        // The host asks for the size first; a chunk that grew since would not fit its room.
        const int32_t size = static_cast<int32_t>(chunkParser.GetChunkDataSize());
        if (lastChunkSize == 0 || size != lastChunkSize)
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
        chunk->version = chunkParser.GetChunkVersion();
        chunk->chunkId = kControlsChunkID;
        std::memset(chunk->name, 0, sizeof(chunk->name));
        std::strncpy(reinterpret_cast<char*>(chunk->name), kControlsChunkName, sizeof(chunk->name) - 1);
        return chunkParser.GetChunkData(chunk);
    });
}

AAX_Result AAX_CEffectParameters::SetChunk(AAX_CTypeID chunkId, const AAX_SPlugInChunk* chunk)
{
    if (chunkId != kControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (!chunk)
        return AAX_ERROR_NULL_ARGUMENT;
    return AAX_Guarded([&]() -> AAX_Result {
        chunkParser.LoadChunk(chunk);
        // A parameter without an entry of its kind keeps its value.
        ForEachControl(false, [&](AAX_IParameter& parameter, const ControlValue& value) {
            const char* name = parameter.Identifier();
            double storedDouble = 0.0;
            int32_t storedInt = 0;
            AAX_CString storedString;
            switch (value.kind)
            {
            case ControlValue::kFloat:
                if (chunkParser.FindDouble(name, &storedDouble))
                    parameter.SetValueWithFloat(static_cast<float>(storedDouble));
                break;
            case ControlValue::kInt32:
                if (chunkParser.FindInt32(name, &storedInt))
                    parameter.SetValueWithInt32(storedInt);
                break;
            case ControlValue::kBool:
                if (chunkParser.FindInt32(name, &storedInt))
                    parameter.SetValueWithBool(storedInt != 0);
                break;
            case ControlValue::kDouble:
                if (chunkParser.FindDouble(name, &storedDouble))
                    parameter.SetValueWithDouble(storedDouble);
                break;
            case ControlValue::kString:
                if (chunkParser.FindString(name, &storedString))
                    parameter.SetValueWithString(storedString);
                break;
            case ControlValue::kNone:
                break;
            }
            return true;
        });
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk(const AAX_SPlugInChunk* chunk, bool* isEqual)
{
    if (!chunk || !isEqual)
        return AAX_ERROR_NULL_ARGUMENT;
    if (chunk->chunkId != kControlsChunkID)
    {
        *isEqual = true;
        return AAX_SUCCESS;
    }
    *isEqual = false;
    return AAX_Guarded([&]() -> AAX_Result {
        chunkParser.LoadChunk(chunk);
        // A missing entry or a different value ends the walk unequal.
        bool allEqual = true;
        ForEachControl(true, [&](AAX_IParameter& parameter, const ControlValue& value) {
            const char* name = parameter.Identifier();
            double storedDouble = 0.0;
            int32_t storedInt = 0;
            AAX_CString storedString;
            switch (value.kind)
            {
            case ControlValue::kFloat:
                allEqual =
                    chunkParser.FindDouble(name, &storedDouble) && static_cast<float>(storedDouble) == value.asFloat;
                break;
            case ControlValue::kInt32:
                allEqual = chunkParser.FindInt32(name, &storedInt) && storedInt == value.asInt;
                break;
            case ControlValue::kBool:
                allEqual = chunkParser.FindInt32(name, &storedInt) && (storedInt != 0) == value.asBool;
                break;
            case ControlValue::kDouble:
                allEqual = chunkParser.FindDouble(name, &storedDouble) &&
                           static_cast<float>(storedDouble) == static_cast<float>(value.asDouble);
                break;
            case ControlValue::kString:
                allEqual = chunkParser.FindString(name, &storedString) && storedString == value.asString;
                break;
            case ControlValue::kNone:
                break;
            }
            return allEqual;
        });
        *isEqual = allEqual;
        return AAX_SUCCESS;
    });
}
