#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class AAX_IAutomationDelegate;
class AAX_IParameter;

// Owns an effect's parameters in the order they were added and finds them by identifier or by
// position. No two parameters share an identifier. Filled during initialisation on the host's main
// thread and read afterwards from any host thread; it takes no lock.
class ParameterRegistry
{
public:
    ParameterRegistry();
    ~ParameterRegistry();
    ParameterRegistry(const ParameterRegistry&) = delete;
    ParameterRegistry& operator=(const ParameterRegistry&) = delete;

    // Given to every parameter added after this call.
    void SetAutomationDelegate(AAX_IAutomationDelegate* automationDelegate);
    // Takes ownership of a parameter it adds. One whose identifier is already registered is
    // neither added nor deleted: it stays the caller's, and the one registered first stays.
    void AddParameter(AAX_IParameter* parameter);
    // Null for an unregistered or null identifier.
    AAX_IParameter* GetParameterByID(const char* identifier) const;
    // Null for a position outside 0 ... count - 1.
    AAX_IParameter* GetParameter(int32_t position) const;
    // -1 for an unregistered or null identifier.
    int32_t GetParameterIndex(const char* identifier) const;
    int32_t NumParameters() const;
    void RemoveAllParameters();

private:
    AAX_IAutomationDelegate* automationDelegate = nullptr; // not owned
    std::vector<std::unique_ptr<AAX_IParameter>> parameters;
    std::map<std::string, AAX_IParameter*> byIdentifier;
};
