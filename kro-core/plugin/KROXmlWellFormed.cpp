#include "KROXmlWellFormed.h"

#include <expat.h>

#include <climits>
#include <memory>

namespace {

struct ParserFree
{
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

void XMLCALL RefuseDoctype(void* userData, const XML_Char*, const XML_Char*, const XML_Char*, int)
{
    XML_StopParser(static_cast<XML_Parser>(userData), XML_FALSE);
}

} // namespace

bool IsWellFormedXml(const std::string& text)
{
    if (text.size() > static_cast<size_t>(INT_MAX))
        return false;
    // The encoding given here overrides the declaration's: the framework reads and writes UTF-8 only.
    const std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreate("UTF-8"));
    if (!parser)
        return false;
    XML_SetUserData(parser.get(), parser.get());
    XML_SetStartDoctypeDeclHandler(parser.get(), RefuseDoctype);
    return XML_Parse(parser.get(), text.data(), static_cast<int>(text.size()), XML_TRUE) == XML_STATUS_OK;
}
