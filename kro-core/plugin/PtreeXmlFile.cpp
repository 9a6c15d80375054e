#include "PtreeXmlFile.h"

#include <exception>
#include <fstream>
#include <sstream>

#include <boost/property_tree/xml_parser.hpp>

#include "platform/FileReplace.h"
#include "KROXmlLimits.h"
#include "KROXmlWellFormed.h"

namespace pt = boost::property_tree;

namespace {

constexpr char kIndentCharacter = ' ';
constexpr int kIndentCount = 2;
// The writer puts no line breaks at all where the indent count is 0.
constexpr int kCompactIndentCount = 0;
constexpr char kEncoding[] = "utf-8";

std::string XmlText(const pt::ptree& tree, int indentCount)
{
    std::ostringstream text;
    pt::write_xml(text, tree, pt::xml_writer_settings<std::string>(kIndentCharacter, indentCount, kEncoding));
    return text.str();
}

} // namespace

std::string PtreeToXmlText(const pt::ptree& tree)
{
    return XmlText(tree, kIndentCount);
}

std::string PtreeToCompactXmlText(const pt::ptree& tree)
{
    return XmlText(tree, kCompactIndentCount);
}

bool WritePtreeXmlFile(const pt::ptree& tree, const boost::filesystem::path& path)
{
    try
    {
        return platform::ReplaceFileContents(path.string(), PtreeToXmlText(tree));
    }
    catch (const std::exception&)
    {
        return false;
    }
}

bool ParseXmlText(const std::string& text, pt::ptree& tree, int flags)
{
    try
    {
        // The property tree's reader takes some texts that are no XML (a close tag of another
        // name, a second root), so a real parser decides first.
        if (!IsXmlWithinLimits(text) || !IsWellFormedXml(text))
            return false;
        std::istringstream stream(text);
        pt::ptree parsed;
        pt::read_xml(stream, parsed, flags);
        tree.swap(parsed);
        return true;
    }
    catch (const std::exception&)
    {
        return false;
    }
}

bool ReadPtreeXmlFile(pt::ptree& tree, const boost::filesystem::path& path)
{
    try
    {
        std::ifstream file(path.string(), std::ios::binary | std::ios::ate);
        if (!file.is_open())
            return false;
        // A file larger than the limit is not read at all.
        const std::streamoff size = file.tellg();
        if (size < 0 || static_cast<unsigned long long>(size) > kMaxXmlBytes)
            return false;
        std::string text(static_cast<size_t>(size), '\0');
        file.seekg(0);
        if (!file.read(text.data(), size))
            return false;
        return ParseXmlText(text, tree, 0);
    }
    catch (const std::exception&)
    {
        return false;
    }
}
