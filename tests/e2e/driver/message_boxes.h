// The program's message boxes: standard dialogs (class "#32770") found by title and read
// through their children.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct BoxContent {
    std::string title;
    std::string text;
    bool hasIcon = false;        // a visible SS_ICON static holding an icon
    std::vector<int> buttonIds;  // the push buttons' identifiers (IDOK is 1)
    HWND owner = nullptr;
};

// Visible boxes of a process with this title (nullptr: any title).
std::vector<HWND> findBoxes(DWORD pid, const char* title);

// The first box with this title to appear within `timeoutMs`, or nullptr.
HWND waitForBox(DWORD pid, const char* title, DWORD timeoutMs);

BoxContent readBox(HWND box);

// Presses OK and waits for the box to go; true when it went.
bool pressOk(HWND box);
