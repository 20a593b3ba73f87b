// The six controls of the main window.
#pragma once

#include <windows.h>

// Makes the controls as hidden children of the main window, in their creation order,
// with their texts, fonts and settings. False as soon as one cannot be made.
bool buildMainWindowControls(HWND window);

// Shows the controls without activating anything; the main window itself stays as it is.
void showMainWindowControls(HWND window);

// Releases what the controls hold beyond their own lives; called once they are destroyed.
void releaseMainWindowControls();
