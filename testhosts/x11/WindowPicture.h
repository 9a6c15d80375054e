#pragma once

#include <cstdint>

struct xcb_connection_t;

// What a window shows as the X server holds it, child windows included - not what a toolkit drew
// into a buffer of its own: whether the editor's face was painted rather than left black, and
// whether its tuner display is lit. A display reading a tone lights its LEDs in bright green and
// red, colours nothing else on the editor's face has.
struct WindowPicture
{
    bool painted = false;
    bool lit = false;
};

// The window's top-left width x height pixels; nothing painted when they cannot be read.
WindowPicture ReadWindowPicture(xcb_connection_t* connection, uint32_t window, int width, int height);
