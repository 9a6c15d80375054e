#include "KROStateTreeXml.h"

#include <exception>
#include <sstream>

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include "PtreeXmlFile.h"

namespace pt = boost::property_tree;

bool WriteStateTreeXml(const pt::ptree& tree, KROStateTreeLayout layout, std::string& text)
{
    try
    {
        text = layout == KROStateTreeLayout::kIndented ? PtreeToXmlText(tree) : PtreeToCompactXmlText(tree);
        return true;
    }
    catch (const std::exception&)
    {
        return false;
    }
}

bool ReadStateTreeXml(const std::string& text, pt::ptree& tree)
{
    return ParseXmlText(text, tree, 0);
}
