#pragma once

// What a parameter record needs from the algorithm that holds it: a way to say "a value changed,
// apply the parameters at the next block". The DSP algorithm base implements it.
class IKROParameterOwner
{
public:
    virtual void MarkParametersDirty() = 0;

protected:
    ~IKROParameterOwner() = default;
};
