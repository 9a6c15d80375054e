// The XML limits every parse checks first: depth counted only for elements the reader would
// descend into, size capped.

#include "kro-core/plugin/KROXmlLimits.h"
#include "kro-core/plugin/PtreeXmlFile.h"

#include <gtest/gtest.h>

#include <boost/property_tree/ptree.hpp>

#include <string>

namespace {

// `depth` elements, each inside the one before, with `inner` in the middle.
std::string Nested(int depth, const std::string& inner = "")
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<e>";
    text += inner;
    for (int i = 0; i < depth; ++i)
        text += "</e>";
    return text;
}

TEST(KROXmlLimits, CountsTheElementsTheReaderDescendsInto)
{
    const std::string deepInside = Nested(kMaxXmlDepth + 5);
    struct Case
    {
        const char* what;
        std::string text;
        bool within;
    };
    const Case cases[] = {
        {"a state tree",
         "<?xml version=\"1.0\"?><PluginState><Parameters><Par0><Value>1</Value></Par0>"
         "</Parameters></PluginState>",
         true},
        {"as deep as allowed", Nested(kMaxXmlDepth), true},
        {"one level deeper", Nested(kMaxXmlDepth + 1), false},
        {"thousands of levels", Nested(22000), false},
        {"siblings do not add up", Nested(kMaxXmlDepth - 1, std::string(1000, 'x') + "<a/><b></b><c x='1'/>"), true},
        {"empty elements do not descend", Nested(kMaxXmlDepth - 1, "<a/><a /><a x=\">\"/>"), true},
        {"markup inside a comment", Nested(2, "<!--" + deepInside + "-->"), true},
        {"markup inside CDATA", Nested(2, "<![CDATA[" + deepInside + "]]>"), true},
        {"markup inside an attribute value", "<a v='" + deepInside + "'/>", true},
        {"a declaration and a processing instruction",
         "<?xml version=\"1.0\"?><!DOCTYPE a><?pi x?>" + Nested(kMaxXmlDepth), true},
        {"an unclosed tag at the end", Nested(3) + "<e", true},
        {"larger than the cap", "<a>" + std::string(kMaxXmlBytes, 'x') + "</a>", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsXmlWithinLimits(c.text), c.within) << c.what;
}

TEST(KROXmlLimits, AParseBeyondTheLimitsFailsAndLeavesTheTree)
{
    boost::property_tree::ptree tree;
    tree.put("keep", 1);
    EXPECT_FALSE(ParseXmlText(Nested(22000), tree, 0));
    EXPECT_FALSE(ParseXmlText("<a>" + std::string(kMaxXmlBytes, 'x') + "</a>", tree, 0));
    EXPECT_EQ(tree.get<int>("keep"), 1);
    EXPECT_TRUE(ParseXmlText(Nested(kMaxXmlDepth, "v"), tree, 0));
    EXPECT_FALSE(tree.get_optional<int>("keep"));
}

} // namespace
