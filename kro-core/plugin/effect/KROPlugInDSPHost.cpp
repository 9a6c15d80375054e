// CKROPlugInDSP: what the host tells the effect besides audio and parameters: tempo, transport
// and the track the effect sits on.
#include "KROPlugInDSP.h"

// Adapters call this on every block, so an unchanged tempo must not make the algorithms re-apply
// their settings. A tempo that is not a number never equals anything and is always passed on.
void CKROPlugInDSP::SetTempo(double beatsPerMinute)
{
    if (currentAlgorithm != nullptr && currentAlgorithm->GetTempo() == beatsPerMinute)
        return;
    for (auto& entry : algorithms)
    {
        entry.second->SetTempo(beatsPerMinute);
        // Only the flag: an algorithm's own marking may read its parameter records, which belong
        // to the user-interface thread.
        entry.second->CKRODSPAlgInterface::MarkParametersDirty();
    }
}

bool CKROPlugInDSP::SetTransportPlaying(bool playing)
{
    return transportPlaying.exchange(playing, std::memory_order_acq_rel) != playing;
}

bool CKROPlugInDSP::IsTransportPlaying() const
{
    return transportPlaying.load(std::memory_order_acquire);
}

void CKROPlugInDSP::SetTrackInfo(const TrackInfoRecord& record)
{
    DeliverPendingStateUpdate();
    trackInfo = record;
}
