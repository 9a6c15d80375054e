#include "ParameterRegistry.h"

#include "AAX_IParameter.h"

#include <cstring>

ParameterRegistry::ParameterRegistry() = default;

ParameterRegistry::~ParameterRegistry()
{
    RemoveAllParameters();
}

void ParameterRegistry::SetAutomationDelegate(AAX_IAutomationDelegate* newDelegate)
{
    automationDelegate = newDelegate;
}

void ParameterRegistry::AddParameter(AAX_IParameter* parameter)
{
    if (!parameter || byIdentifier.count(parameter->Identifier()) != 0)
        return;
    parameter->SetAutomationDelegate(automationDelegate);
    // Should the list or the map fail to grow, the parameter is in neither and stays the caller's.
    parameters.emplace_back(parameter);
    try
    {
        byIdentifier.emplace(parameter->Identifier(), parameter);
    }
    catch (...)
    {
        parameters.back().release();
        parameters.pop_back();
        throw;
    }
}

AAX_IParameter* ParameterRegistry::GetParameterByID(const char* identifier) const
{
    if (!identifier)
        return nullptr;
    const auto found = byIdentifier.find(identifier);
    return found == byIdentifier.end() ? nullptr : found->second;
}

AAX_IParameter* ParameterRegistry::GetParameter(int32_t position) const
{
    if (position < 0 || position >= NumParameters())
        return nullptr;
    return parameters[static_cast<size_t>(position)].get();
}

int32_t ParameterRegistry::GetParameterIndex(const char* identifier) const
{
    if (!identifier)
        return -1;
    for (size_t i = 0; i < parameters.size(); ++i)
        if (std::strcmp(parameters[i]->Identifier(), identifier) == 0)
            return static_cast<int32_t>(i);
    return -1;
}

int32_t ParameterRegistry::NumParameters() const
{
    return static_cast<int32_t>(parameters.size());
}

void ParameterRegistry::RemoveAllParameters()
{
    byIdentifier.clear();
    // Each parameter unregisters from the automation delegate as it goes.
    parameters.clear();
}
