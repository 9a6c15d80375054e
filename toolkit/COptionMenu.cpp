#include "COptionMenu.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

COptionMenu::COptionMenu(const CRect& size, IControlListener* listener, int32_t tag) : CTextLabel(size)
{
    setTag(tag);
    setListener(listener);
    updateRange();
}

void COptionMenu::addEntry(const std::string& title)
{
    entries.emplace_back(title);
    updateRange();
}

void COptionMenu::addSeparator()
{
    entries.emplace_back("-", true);
    updateRange();
}

void COptionMenu::removeAllEntry()
{
    entries.clear();
    updateRange();
}

const CMenuItem* COptionMenu::getEntry(int32_t index) const
{
    return index >= 0 && index < getNbEntries() ? &entries[static_cast<size_t>(index)] : nullptr;
}

int32_t COptionMenu::getCurrentIndex() const
{
    return entries.empty() ? -1 : static_cast<int32_t>(std::lround(getValue()));
}

bool COptionMenu::setCurrent(int32_t index)
{
    if (!getEntry(index))
        return false;
    setValue(static_cast<float>(index));
    return true;
}

void COptionMenu::setValue(float value)
{
    CControl::setValue(value);
    const CMenuItem* current = getCurrentEntry();
    setText(current && !current->isSeparator() ? current->getTitle() : std::string());
}

void COptionMenu::updateRange()
{
    setMin(0);
    setMax(static_cast<float>(std::max(getNbEntries() - 1, 0)));
    setValue(getValue());
}

} // namespace VSTGUI
