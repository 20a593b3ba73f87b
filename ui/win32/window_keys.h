// The main window's own keys, taken from the queue before a control sees them.
#pragma once

#include <windows.h>

// Tab and Shift+Tab move the focus along the tab order, Esc closes the window. True when
// the message was consumed and must not be translated or dispatched.
bool preprocessWindowKey(HWND mainWindow, const MSG& msg);

// Moves the focus from `control` to the next (or previous) visible and enabled control
// of the tab order.
void moveFocusAlongTabOrder(HWND mainWindow, HWND control, bool backward);

// The first visible and enabled control of the tab order; null when there is none.
HWND firstTabStopControl(HWND mainWindow);
