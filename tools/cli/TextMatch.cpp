#include "TextMatch.h"

#include <cctype>

namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

int FindIgnoringCase(const std::vector<std::string>& choices, const std::string& text)
{
    for (size_t i = 0; i < choices.size(); ++i)
        if (EqualIgnoringCase(choices[i], text))
            return static_cast<int>(i);
    return -1;
}

std::string JoinChoices(const std::vector<std::string>& choices)
{
    std::string joined;
    for (const std::string& choice : choices)
        joined += (joined.empty() ? "" : ", ") + choice;
    return joined;
}
