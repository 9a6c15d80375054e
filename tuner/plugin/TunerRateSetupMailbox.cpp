#include "TunerRateSetupMailbox.h"

TunerRateSetupMailbox::TunerRateSetupMailbox(std::unique_ptr<TunerRateSetup> initial) : current(initial.release()) {}

TunerRateSetupMailbox::~TunerRateSetupMailbox()
{
    delete current;
    delete pending.exchange(nullptr);
    delete retired.exchange(nullptr);
}

void TunerRateSetupMailbox::Post(std::unique_ptr<TunerRateSetup> setup)
{
    FreeRetired();
    delete pending.exchange(setup.release(), std::memory_order_acq_rel);
    FreeRetired();
}

TunerRateSetup& TunerRateSetupMailbox::Current()
{
    if (pending.load(std::memory_order_acquire) != nullptr && retired.load(std::memory_order_acquire) == nullptr)
    {
        TunerRateSetup* fresh = pending.exchange(nullptr, std::memory_order_acq_rel);
        if (fresh != nullptr)
        {
            retired.store(current, std::memory_order_release);
            current = fresh;
        }
    }
    return *current;
}

void TunerRateSetupMailbox::FreeRetired()
{
    delete retired.exchange(nullptr, std::memory_order_acq_rel);
}
