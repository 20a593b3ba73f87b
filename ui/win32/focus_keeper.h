// The control that had the focus when the main window was last deactivated.
#pragma once

#include <windows.h>

// Called as the main window is deactivated: remembers its focused control, if any.
void rememberFocus(HWND mainWindow);

// Called when the main window itself gets the focus: hands it on to the remembered
// control, or to the first of the tab order when that is gone.
void restoreFocus(HWND mainWindow);
