#include "KROVST3HostText.h"

#include "kro-core/plugin/utf8util.h"

namespace Steinberg {
namespace Vst {

std::string HostTextToUtf8(const char16* text)
{
    constexpr size_t kMaxUnits = 128;
    constexpr size_t kMaxBytes = 127;
    std::u16string wide;
    for (size_t i = 0; text != nullptr && i < kMaxUnits && text[i] != 0; ++i)
        wide.push_back(static_cast<char16_t>(text[i]));
    const std::string converted = utf8util::Utf16ToUtf8(wide);
    return converted.size() <= kMaxBytes ? converted : std::string();
}

bool GetHostString(IAttributeList& list, const char* key, std::string& text)
{
    // One unit more than the host may fill: the last one stays the terminator.
    char16 wide[129] = {};
    if (list.getString(key, wide, 128 * sizeof(char16)) != kResultOk)
        return false;
    text = HostTextToUtf8(wide);
    return true;
}

} // namespace Vst
} // namespace Steinberg
