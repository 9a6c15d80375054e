#include "KRONumberText.h"

#include <cerrno>
#include <cmath>
#include <cfloat>
#include <cstdlib>
#include <limits>

bool ReadFloatText(const std::string& text, float& value)
{
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const float number = std::strtof(start, &end);
    // Too large is refused (strtof then gives an endless value); too small to hold in full reads as
    // the nearest float, which may be subnormal: the effect writes such values itself.
    if (end == start || !std::isfinite(number) || (errno == ERANGE && std::fabs(number) >= FLT_MIN))
        return false;
    value = number;
    return true;
}

bool ReadIntegerText(const std::string& text, int32_t& value)
{
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long number = std::strtoll(start, &end, 10);
    if (end == start || errno == ERANGE || number < std::numeric_limits<int32_t>::min() ||
        number > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(number);
    return true;
}
