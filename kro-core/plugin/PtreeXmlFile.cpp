#include "PtreeXmlFile.h"

#include <exception>
#include <fstream>
#include <sstream>

#include <boost/property_tree/xml_parser.hpp>

#include "FileReplace.h"

namespace pt = boost::property_tree;

namespace
{

constexpr char kIndentCharacter = ' ';
constexpr int kIndentCount = 2;
constexpr char kEncoding[] = "utf-8";

}  // namespace

std::string PtreeToXmlText(const pt::ptree& tree)
{
    std::ostringstream text;
    pt::write_xml(text, tree, pt::xml_writer_settings<std::string>(kIndentCharacter, kIndentCount, kEncoding));
    return text.str();
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

bool ReadPtreeXmlFile(pt::ptree& tree, const boost::filesystem::path& path)
{
    try
    {
        std::ifstream file(path.string(), std::ios::binary);
        if (!file.is_open())
            return false;
        pt::ptree parsed;
        pt::read_xml(file, parsed, 0);
        if (file.bad())
            return false;
        tree.swap(parsed);
        return true;
    }
    catch (const std::exception&)
    {
        return false;
    }
}
