#pragma once

// The VST3 identifiers of Vireno.vst3: its parameter IDs, the bypass ID and its class IDs. The 16 bytes are laid out in the COM-compatible order the Windows
// build uses, on every platform, so that a host's project finds the same classes everywhere.

#include "kro-core/vst3/plugin/KROVST3ParamIds.h"
#include "tuner/plugin/TunerParameterIndex.h"

#include "pluginterfaces/base/funknown.h"

namespace Vireno {

// The product's parameters are numbered from 0 in this build; a parameter's ID is its index.
constexpr int32_t kFirstParameterIndex = TunerParameterIndex::kFirstIndexVST3;

constexpr Steinberg::Vst::ParamID ParameterId(TunerParameterIndex::Offset offset)
{
    return static_cast<Steinberg::Vst::ParamID>(kFirstParameterIndex + offset);
}

// The host's bypass switch, far above the effect's own parameters.
constexpr Steinberg::Vst::ParamID kBypassParamId = Steinberg::Vst::VST3MasterBypassParamID;

constexpr Steinberg::int8 UidByte(Steinberg::uint32 word, int shift)
{
    return static_cast<Steinberg::int8>((word >> shift) & 0xFF);
}

// The words l1 ... l4 as the SDK's inline UID lays them out with COM compatibility.
#define VIRENO_COM_UID(l1, l2, l3, l4)                                                                                 \
    {                                                                                                                  \
        ::Vireno::UidByte(l1, 0), ::Vireno::UidByte(l1, 8), ::Vireno::UidByte(l1, 16), ::Vireno::UidByte(l1, 24),      \
            ::Vireno::UidByte(l2, 16), ::Vireno::UidByte(l2, 24), ::Vireno::UidByte(l2, 0), ::Vireno::UidByte(l2, 8),  \
            ::Vireno::UidByte(l3, 24), ::Vireno::UidByte(l3, 16), ::Vireno::UidByte(l3, 8), ::Vireno::UidByte(l3, 0),  \
            ::Vireno::UidByte(l4, 24), ::Vireno::UidByte(l4, 16), ::Vireno::UidByte(l4, 8), ::Vireno::UidByte(l4, 0)   \
    }

#define VIRENO_PROCESSOR_UID VIRENO_COM_UID(0x816C93FE, 0x273B4AF7, 0x849E5E47, 0x7E6D537C)
#define VIRENO_CONTROLLER_UID VIRENO_COM_UID(0x3ED1D51D, 0x48EA4506, 0xA7CDFC78, 0x8E03CF39)

inline Steinberg::FUID ProcessorUid()
{
    const Steinberg::TUID uid = VIRENO_PROCESSOR_UID;
    return Steinberg::FUID::fromTUID(uid);
}

inline Steinberg::FUID ControllerUid()
{
    const Steinberg::TUID uid = VIRENO_CONTROLLER_UID;
    return Steinberg::FUID::fromTUID(uid);
}

} // namespace Vireno
