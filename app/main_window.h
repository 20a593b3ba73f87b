// The main window as the frame sees it: made, given its controls, announced, shown.
#pragma once

#include <windows.h>

// Creates the main window hidden and centred, gives it its icons, font and controls,
// raises its created event and then shows it. Returns the window; a window or control
// that cannot be made ends the process through the fatal-error report.
HWND createMainWindow(HINSTANCE instance);
