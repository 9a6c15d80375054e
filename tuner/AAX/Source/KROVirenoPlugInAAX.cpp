#include "KROVirenoPlugInAAX.h"

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VController.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VTransport.h"
#include "kro-core/aax/KROAAXPlugEditorMessage.h"
#include "tuner/plugin/KROVirenoPlugInDSP.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "aaxsdk/AAX_AlgorithmContext.h"

#include <new>

// The hidden parameters reach the effect through their identifiers too, so every index needs one.
static_assert(TunerParameterIndex::kFirstIndexAAX + TunerParameterIndex::kOffsetCount - 1 <=
                  CKROAudioPlugInAAX::kIdentifierCapacity,
              "the adapter's converter names every index of the AAX build");

CKROVirenoPlugInAAX::CKROVirenoPlugInAAX()
{
    auto product = std::make_unique<CKROVirenoPlugInDSP>(TunerParameterIndex::kFirstIndexAAX);
    linkedChanges.assign(static_cast<size_t>(product->GetMaxLinkedParameterChanges()), 0);
    processChanges.assign(static_cast<size_t>(product->GetMaxProcessParameterChanges()), 0);
    auto link = std::make_unique<CKROAAXPlugEditorMessage>(nullptr, *this);
    product->SetEditorLink(link.get());
    effect = product.release();
    editorLink = link.release();
}

CKROVirenoPlugInAAX::~CKROVirenoPlugInAAX()
{
    delete effect;
    effect = nullptr;
    delete editorLink;
    editorLink = nullptr;
}

AAX_Result CKROVirenoPlugInAAX::EffectInit()
{
    AddMasterBypassParameter();
    packetDispatcher.RegisterPacket(kMasterBypassID, BypassField);

    ForEachEffectParameter([&](const char* id, const CKROParameter* record) {
        AddFloatParameter(id, *record);
        packetDispatcher.RegisterPacket(
            id, EffectObjectPointerField,
            AAX_CPacketHandler<CKROVirenoPlugInAAX>(this, &CKROVirenoPlugInAAX::GenerateEffectPointerPacket));
    });

    if (AAX_VController* controller = Controller())
    {
        float rate = 48000.0f;
        if (controller->GetSampleRate(&rate) == AAX_SUCCESS)
            effect->SetSampleRate(static_cast<double>(rate));
        int32_t stemFormat = AAX_eStemFormat_Mono;
        if (controller->GetInputStemFormat(&stemFormat) == AAX_SUCCESS)
        {
            const int32_t channels = stemFormat & 0xFFFF;
            SetChannelCounts(channels, channels);
        }
    }
    return AAX_SUCCESS;
}

AAX_Result CKROVirenoPlugInAAX::GenerateEffectPointerPacket(AAX_CPacket& packet)
{
    CKROVirenoPlugInAAX* const self = this;
    if (!packet.Holds(self))
        packet.SetValue(self);
    return AAX_SUCCESS;
}

void CKROVirenoPlugInAAX::RenderAudio(const float* const* inputs, float* const* outputs, int32_t frames,
                                      int32_t channels)
{
    if (AAX_VTransport* transport = Transport())
    {
        bool playing = false;
        if (transport->IsTransportPlaying(&playing) == AAX_SUCCESS)
            effect->SetTransportPlaying(playing);
    }
    CKROAudioPlugInAAX::RenderAudio(inputs, outputs, frames, channels);
}

IACFUnknown* CreateVirenoEffectParameters()
{
    // The effect reads and may write Default.xml, and anything can fail on the way.
    try
    {
        return (new CKROVirenoPlugInAAX)->GetControllingUnknown();
    }
    catch (...)
    {
        return nullptr;
    }
}
