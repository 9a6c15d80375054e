#include "KroEditorMessages.h"

#include <cstring>

#include "KRONumberText.h"

namespace KroEditorMessages {

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
    int32_t number = 0;
    return ReadIntegerText(value, number) ? number : 0;
}

} // namespace KroEditorMessages
