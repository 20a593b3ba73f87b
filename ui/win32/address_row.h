// The node address row: the address box, its self-painted caption and the bold font and
// white brush the two share. Font and brush live until the main window is gone.
#pragma once

#include <windows.h>

#include "ui/layout.h"

// The node address box, preset, black on white, in the row's font; null on failure.
HWND createAddressBox(HWND parent);

// The caption "节点IP" left of the box; null on failure.
HWND createAddressLabel(HWND parent);

// The answer to the main window's WM_CTLCOLOREDIT: for the address box, black on white
// and the white brush; null for any other box.
HBRUSH addressBoxColors(HWND box, HDC dc);

// Deletes the row's font and brush; called once the controls have been destroyed.
void releaseAddressRow();
