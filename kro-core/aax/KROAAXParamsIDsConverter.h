#pragma once

#include "IKRO_AAXParamsIDsConverter.h"

#include <boost/thread/mutex.hpp>

#include <cstdint>
#include <map>
#include <string>

// The table of "par%d" identifiers for indices 1 ... capacity, built once. Lookups run on the
// audio thread as well as the host's other threads: each takes this converter's own lock, never
// calls out while holding it and never allocates.
class CKROAAXParamsIDsConverter final : public IKRO_AAXParamsIDsConverter
{
public:
    explicit CKROAAXParamsIDsConverter(int32_t capacity);
    ~CKROAAXParamsIDsConverter() override;

    CKROAAXParamsIDsConverter(const CKROAAXParamsIDsConverter&) = delete;
    CKROAAXParamsIDsConverter& operator=(const CKROAAXParamsIDsConverter&) = delete;

    const char* GetIDFromIndex(int32_t index) override;
    int32_t GetIndexFromID(const char* identifier) override;

private:
    boost::mutex lock;
    const int32_t capacity;
    std::map<int32_t, std::string> table;
};
