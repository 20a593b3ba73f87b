// Helpers for the tests of the Windows layer: the recording cmd.exe stand-in beside
// the test program, message pumping, and the boxes that jobs show.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Points the stand-in at a fresh, empty record file and clears its other settings.
void resetStandIn();

// Sets how long the stand-in holds (ms) and which lines it fails.
void setStandInDelay(int milliseconds);
void setStandInFailure(const std::string& linePart);

// The records written so far: "begin flags=<n> show=<n> <line>" and "end", in order.
std::vector<std::string> readStandInRecords();

// The lines the stand-in was started with, in order.
std::vector<std::string> startedLines(const std::vector<std::string>& records);

// Handles this thread's messages until the predicate holds or the time runs out.
bool pumpUntil(bool (*done)(void* context), void* context, DWORD timeoutMs);

// A message box of another thread of this process with this title, or null.
HWND findBox(const std::string& title);

// What a message box shows: its text and whether it carries an icon.
struct BoxContents {
    std::string text;
    bool hasIcon = false;
};
BoxContents readBox(HWND box);

// Presses the box's OK button.
void pressOk(HWND box);
