// Keyboard and mouse input as a user gives it: SendInput to the foreground window, and the
// focus read back with GetGUIThreadInfo.
#pragma once

#include <windows.h>

// Makes the window the foreground window; true when Windows says it is.
bool bringToFront(HWND window);

// The window that has the keyboard focus on the thread, or nullptr.
HWND focusedWindow(DWORD threadId);

bool waitForFocus(DWORD threadId, HWND expected, DWORD timeoutMs);

// Presses and releases a key, with Shift held when asked.
bool pressKey(WORD virtualKey, bool withShift = false);

// A left click at the middle of a window, or at a point of the screen.
bool clickAt(HWND window);
bool clickAtPoint(LONG x, LONG y);
