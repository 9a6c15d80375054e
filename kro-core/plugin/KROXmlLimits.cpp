#include "KROXmlLimits.h"

#include <cstring>

namespace {

bool StartsAt(const std::string& text, size_t at, const char* prefix)
{
    return text.compare(at, std::strlen(prefix), prefix) == 0;
}

// The position just past the end marker, or npos when the text ends first.
size_t PastMarker(const std::string& text, size_t from, const char* marker)
{
    const size_t found = text.find(marker, from);
    return found == std::string::npos ? std::string::npos : found + std::strlen(marker);
}

// The position just past the '>' that ends the tag opened at `from`, quoted values skipped; npos
// when the text ends first. selfClosing tells whether the tag ended in "/>".
size_t PastTag(const std::string& text, size_t from, bool& selfClosing)
{
    char quote = 0;
    for (size_t i = from; i < text.size(); ++i)
    {
        const char c = text[i];
        if (quote != 0)
        {
            if (c == quote)
                quote = 0;
        }
        else if (c == '"' || c == '\'')
            quote = c;
        else if (c == '>')
        {
            selfClosing = i > from && text[i - 1] == '/';
            return i + 1;
        }
    }
    return std::string::npos;
}

} // namespace

bool IsXmlWithinLimits(const std::string& text)
{
    if (text.size() > kMaxXmlBytes)
        return false;
    int depth = 0;
    size_t at = text.find('<');
    while (at != std::string::npos && at < text.size())
    {
        size_t next = std::string::npos;
        if (StartsAt(text, at, "<!--"))
            next = PastMarker(text, at + 4, "-->");
        else if (StartsAt(text, at, "<![CDATA["))
            next = PastMarker(text, at + 9, "]]>");
        else if (StartsAt(text, at, "<?"))
            next = PastMarker(text, at + 2, "?>");
        else if (StartsAt(text, at, "<!"))
            next = PastMarker(text, at + 2, ">");
        else
        {
            bool selfClosing = false;
            next = PastTag(text, at + 1, selfClosing);
            if (StartsAt(text, at, "</"))
                --depth;
            else if (!selfClosing && ++depth > kMaxXmlDepth)
                return false;
        }
        // An unfinished construct at the end: the parser will refuse it, nothing deeper follows.
        if (next == std::string::npos)
            return true;
        at = text.find('<', next);
    }
    return true;
}
