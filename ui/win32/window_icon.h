// The window's icons, made from the icon file stored in the program's resources.
#pragma once

#include <windows.h>

// The image of the icon file that suits `width` × `height` best, as an icon; else the
// program's icon group at that size; null when neither can be had. The caller destroys it.
HICON loadWindowIcon(int width, int height);
