#pragma once

#include "CTextLabel.h"

#include <string>
#include <vector>

namespace VSTGUI {

// One entry of an option menu.
class CMenuItem
{
public:
    explicit CMenuItem(const std::string& title, bool separator = false) : title(title), separator(separator) {}
    const std::string& getTitle() const { return title; }
    bool isSeparator() const { return separator; }

private:
    std::string title;
    bool separator;
};

// A list of entries whose value is the index of the current one; it shows the current title. It
// opens no pop-up: entries are chosen through setCurrent or the value.
class COptionMenu : public CTextLabel
{
public:
    COptionMenu(const CRect& size, IControlListener* listener = nullptr, int32_t tag = 0);

    CView* newCopy() const override { return new COptionMenu(*this); }

    void addEntry(const std::string& title);
    void addSeparator();
    void removeAllEntry();
    int32_t getNbEntries() const { return static_cast<int32_t>(entries.size()); }
    // Null for an index out of range.
    const CMenuItem* getEntry(int32_t index) const;
    int32_t getCurrentIndex() const;
    const CMenuItem* getCurrentEntry() const { return getEntry(getCurrentIndex()); }
    bool setCurrent(int32_t index);

    void setValue(float value) override;

private:
    void updateRange();

    std::vector<CMenuItem> entries;
};

} // namespace VSTGUI
