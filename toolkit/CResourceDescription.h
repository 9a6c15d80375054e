#pragma once

namespace VSTGUI {

// Names a compiled-in resource by its number.
struct CResourceDescription
{
    int id = 0;

    CResourceDescription() = default;
    CResourceDescription(int resourceId) : id(resourceId) {}
};

} // namespace VSTGUI
