#include "KroEditorMessages.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace KroEditorMessages
{

bool ContainsMessage(const std::string& text, const char* name)
{
    return text.find(name) != std::string::npos;
}

bool FindMessageValue(const std::string& text, const char* name, std::string& value)
{
    const size_t position = text.find(name);
    if (position == std::string::npos)
        return false;
    value = text.substr(position + std::strlen(name));
    return true;
}

int32_t ReadMessageInteger(const std::string& value)
{
    const char* start = value.c_str();
    char* end = nullptr;
    errno = 0;
    const long long number = std::strtoll(start, &end, 10);
    if (end == start || errno == ERANGE || number < std::numeric_limits<int32_t>::min() ||
        number > std::numeric_limits<int32_t>::max())
        return 0;
    return static_cast<int32_t>(number);
}

}  // namespace KroEditorMessages
