#include "KROVST3StateXml.h"

#include "kro-core/plugin/KROStateTreeXml.h"
#include "KROVST3StateStream.h"

namespace Steinberg {
namespace Vst {

namespace {

constexpr const char* kBypassPath = "PluginState.VST3Specific.VST3MasterBypass";

bool StartsWith(const std::string& text, size_t at, const char* prefix)
{
    return text.compare(at, std::char_traits<char>::length(prefix), prefix) == 0;
}

// What every XML state we or our predecessors wrote begins with. A value of the binary layout
// never does: its first bytes would make a float far outside 0 ... 1.
bool LooksLikeXml(const std::string& bytes)
{
    size_t at = StartsWith(bytes, 0, "\xEF\xBB\xBF") ? 3 : 0;
    while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\t' || bytes[at] == '\r' || bytes[at] == '\n'))
        ++at;
    return StartsWith(bytes, at, "<?xml") || StartsWith(bytes, at, "<PluginState");
}

} // namespace

KROVST3StateText ReadStateText(const std::string& bytes, boost::property_tree::ptree& tree)
{
    boost::property_tree::ptree parsed;
    if (ReadStateTreeXml(bytes, parsed) && !parsed.empty())
    {
        tree = std::move(parsed);
        return KROVST3StateText::kXml;
    }
    return LooksLikeXml(bytes) ? KROVST3StateText::kBrokenXml : KROVST3StateText::kLegacy;
}

KROVST3StateText ReadComponentState(IBStream& stream, std::string& bytes, boost::property_tree::ptree& tree)
{
    if (!ReadWholeStream(stream, bytes))
        return KROVST3StateText::kUnreadable;
    return ReadStateText(bytes, tree);
}

const char* KROVST3BypassPath()
{
    return kBypassPath;
}

void PutMasterBypass(boost::property_tree::ptree& tree, bool bypass)
{
    boost::property_tree::ptree branch;
    branch.put("VST3MasterBypass", bypass);
    tree.put_child("PluginState.VST3Specific", branch);
}

std::optional<bool> GetMasterBypass(const boost::property_tree::ptree& tree)
{
    const boost::optional<bool> bypass = tree.get_optional<bool>(kBypassPath);
    if (!bypass)
        return std::nullopt;
    return *bypass;
}

} // namespace Vst
} // namespace Steinberg
