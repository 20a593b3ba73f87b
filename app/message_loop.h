// The message loop of the window's thread and the end of the process.
#pragma once

#include <windows.h>

// Fetches and dispatches the thread's messages, the main window's keys first, until
// WM_QUIT. Returns the exit code that WM_QUIT carries (0 when the window is already gone).
int runMessageLoop(HWND mainWindow);

// Stops all events and ends the process with `exitCode`; running jobs end with it.
[[noreturn]] void endApplication(int exitCode);
