#pragma once

#include <atomic>
#include <memory>

#include "TunerRateSetup.h"

// Passes rate set-ups from the thread that builds them to the audio thread without a lock, and
// the replaced ones back, so that the audio thread neither allocates nor frees.
//
// The builder posts into `pending` (dropping a set-up the audio thread never took) and frees
// whatever sits in `retired` before and after posting. The audio thread takes a pending set-up
// only while `retired` is empty, parking the one it replaces there; since the builder empties
// `retired` after every post, the newest set-up is always taken by a later block.
class TunerRateSetupMailbox
{
public:
    explicit TunerRateSetupMailbox(std::unique_ptr<TunerRateSetup> initial);
    ~TunerRateSetupMailbox();
    TunerRateSetupMailbox(const TunerRateSetupMailbox&) = delete;
    TunerRateSetupMailbox& operator=(const TunerRateSetupMailbox&) = delete;

    // Any thread but the audio thread.
    void Post(std::unique_ptr<TunerRateSetup> setup);

    // Audio thread, once at the start of each block: takes the newest posted set-up when it can
    // and returns the one to use. The reference holds until the next call.
    TunerRateSetup& Current();

private:
    void FreeRetired();

    TunerRateSetup* current;
    std::atomic<TunerRateSetup*> pending{nullptr};
    std::atomic<TunerRateSetup*> retired{nullptr};
};
