#include "KROAAXParamsIDsConverter.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kNoIdentifier = "";

} // namespace

CKROAAXParamsIDsConverter::CKROAAXParamsIDsConverter(int32_t capacity) : capacity(capacity)
{
    table.emplace(0, kNoIdentifier);
    for (int32_t index = 1; index <= capacity; ++index)
    {
        char identifier[16];
        std::snprintf(identifier, sizeof identifier, "par%d", index);
        table.emplace(index, identifier);
    }
}

CKROAAXParamsIDsConverter::~CKROAAXParamsIDsConverter() = default;

const char* CKROAAXParamsIDsConverter::GetIDFromIndex(int32_t index)
{
    const boost::mutex::scoped_lock held(lock);
    const auto found = table.find(index);
    // The table never changes after construction, so its texts outlive the lock.
    return found != table.end() ? found->second.c_str() : kNoIdentifier;
}

int32_t CKROAAXParamsIDsConverter::GetIndexFromID(const char* identifier)
{
    if (identifier == nullptr)
        return -1;
    const boost::mutex::scoped_lock held(lock);
    for (const auto& [index, text] : table)
        if (std::strcmp(text.c_str(), identifier) == 0)
            return index;
    return -1;
}
