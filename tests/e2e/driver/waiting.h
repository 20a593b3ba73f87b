// Waiting for something that another process does, without fixed sleeps where possible.
#pragma once

#include <windows.h>

#include <functional>

// Polls every 10 ms until `ready` holds or `timeoutMs` has passed; true when it held.
bool waitFor(const std::function<bool()>& ready, DWORD timeoutMs);

// Milliseconds of the performance counter, the clock the stand-ins log with.
double nowMs();
