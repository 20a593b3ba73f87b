// Making the main window's controls: hidden children at their place, with their identifier.
#pragma once

#include <windows.h>

#include "ui/layout.h"

// A hidden child of `parent`; null when Windows cannot make it.
HWND createChildControl(const char* windowClass, const char* text, DWORD style, HWND parent, int id,
                        const ControlRect& rect);

// Adds WS_EX_CLIENTEDGE (a sunken edge) and has Windows redraw the frame at once.
void addClientEdge(HWND control);
