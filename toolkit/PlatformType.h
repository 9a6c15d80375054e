#pragma once

namespace VSTGUI {

enum class PlatformType
{
    // The parent is an X11 window id; the frame opens a child window in it.
    kX11EmbedWindowID,
    // No window: the frame renders into an image of its own.
    kOffscreen,
};

} // namespace VSTGUI
