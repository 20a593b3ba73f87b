// What the screen shows of the program's windows, for what no message can tell from
// another process (Wine answers neither WM_GETICON nor WM_GETFONT across processes).
#pragma once

#include <windows.h>

#include <string>

// The colour at a point of a window's client area, as on screen.
COLORREF pixelAt(HWND window, int x, int y);

// Whether some pixel inside the window is far darker than the button face: text drawn.
bool showsDarkPixels(HWND window);

// Whether the caption shows the program's own small icon (its DEFAULT_ICON, drawn here
// for comparison): the share of the icon's opaque pixels found on screen, 0 to 1, at the
// best place within the caption's system-menu area.
double captionIconMatch(HWND main, const std::string& programPath);
