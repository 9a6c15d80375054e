#pragma once

#include <cstdint>

// Effect parameter index <-> AAX parameter identifier. Index 0 has the empty identifier: no AAX
// parameter. The operations keep this order.
class IKRO_AAXParamsIDsConverter
{
public:
    // Any thread. The identifier of the index, empty when it has none; valid while the converter lives.
    virtual const char* GetIDFromIndex(int32_t index) = 0;
    // Any thread. The index of the identifier, compared byte for byte; -1 when none has it.
    virtual int32_t GetIndexFromID(const char* identifier) = 0;

    virtual ~IKRO_AAXParamsIDsConverter() = default;
};
