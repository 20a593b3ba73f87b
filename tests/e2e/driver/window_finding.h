// Finding and reading the program's windows from outside, through messages that Windows
// carries between processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Top-level windows of a process with a class and caption; nullptr matches any.
std::vector<HWND> topWindows(DWORD pid, const char* className, const char* caption, bool visibleOnly);

// The direct children of a window, in their order among siblings (creation order).
std::vector<HWND> childWindows(HWND parent);

std::string classNameOf(HWND window);

// WM_GETTEXT / WM_SETTEXT, sent with a time limit so a hung program cannot hang the driver.
std::string windowText(HWND window);
bool setWindowText(HWND window, const std::string& text);

// A child's rectangle relative to its parent's client area.
RECT rectInParent(HWND child);

// Round trip of a WM_NULL: true when answered within `timeoutMs`, with the time taken.
bool answers(HWND window, DWORD timeoutMs, double* roundTripMs = nullptr);

// A button click as the button itself would report it (BM_CLICK, sent).
bool clickButton(HWND button);
