// The well-formedness check every XML text passes before the property tree reads it: the texts
// the property tree's own reader would take although they are no XML, and the ones of ours that
// must stay readable.

#include "kro-core/plugin/KROXmlWellFormed.h"
#include "kro-core/plugin/PtreeXmlFile.h"

#include <gtest/gtest.h>

#include <boost/property_tree/ptree.hpp>

#include <string>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

TEST(KROXmlWellFormed, TakesOneDocumentAndRefusesEverythingElse)
{
    struct Case
    {
        const char* what;
        std::string text;
        bool wellFormed;
    };
    const Case cases[] = {
        {"a state as the framework writes it",
         kDeclaration + "<PluginState><Parameters><Par1><Value>0.25</Value><Index>1</Index></Par1></Parameters>"
                        "<DSPChunk/></PluginState>   ",
         true},
        {"no declaration", "<a><b>1</b></a>", true},
        {"entities, character references, CDATA and a comment",
         "<a>&lt;&amp;&gt;&quot;&apos;&#233;&#x20AC;<![CDATA[<x>]]><!-- c --></a>", true},
        {"UTF-8 text", "<a>caf\xC3\xA9 \xE2\x82\xAC</a>", true},
        {"a UTF-8 byte order mark", "\xEF\xBB\xBF<a/>", true},
        {"a close tag of another name", "<Value>0.25</Valux>", false},
        {"an open tag of another name", "<Valum>0</Value>", false},
        {"a second root", kDeclaration + "<PluginState/><PluginState/>", false},
        {"text after the root", "<a/>x", false},
        {"an unclosed root", "<a><b/>", false},
        {"a truncated state", kDeclaration + "<PluginState><Parameters><Par1><Val", false},
        {"empty", "", false},
        {"blanks only", "   ", false},
        {"an undefined entity", "<a>&nbsp;</a>", false},
        {"a bare ampersand", "<a>1 & 2</a>", false},
        {"a reference to a character XML forbids", "<a>&#1;</a>", false},
        {"a control character", "<a>\x01</a>", false},
        {"a zero byte", std::string("<a>\0</a>", 8), false},
        {"bytes that are no UTF-8", "<a>caf\xE9</a>", false},
        {"no UTF-8 under another declared encoding", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>caf\xE9</a>",
         false},
        {"an attribute twice", "<a x=\"1\" x=\"2\"/>", false},
        {"an unquoted attribute", "<a x=1/>", false},
        {"a document type", "<!DOCTYPE a><a/>", false},
        {"declared entities", "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>", false},
        {"a declaration not at the start", "<a/><?xml version=\"1.0\"?>", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsWellFormedXml(c.text), c.wellFormed) << c.what;
}

TEST(KROXmlWellFormed, ATextThatIsNoXmlIsNotParsedAndLeavesTheTree)
{
    for (const char* text : {"<Value>0.25</Valux>", "<Valum>0</Value>", "<PluginState/><PluginState/>"})
    {
        boost::property_tree::ptree tree;
        tree.put("keep", 1);
        EXPECT_FALSE(ParseXmlText(text, tree, 0)) << text;
        EXPECT_EQ(tree.get<int>("keep"), 1) << text;
    }
    boost::property_tree::ptree tree;
    EXPECT_TRUE(ParseXmlText("<PluginState><Name>Vireno</Name></PluginState>", tree, 0));
    EXPECT_EQ(tree.get<std::string>("PluginState.Name"), "Vireno");
}

} // namespace
