// The node address box as the mapping jobs see it: read from their own threads.
#pragma once

#include <windows.h>

#include <string>

// Set once by the window's thread when the box has been built, before any job starts.
void setNodeAddressBox(HWND box);

// The box's whole text in the ANSI code page, unchanged. Windows carries the read out
// on the window's thread. False when the box is gone (the window is closing).
bool readNodeAddress(std::string& address);
