// Starting the program as a user would, and making sure nothing of a case outlives it.
#pragma once

#include <windows.h>

#include <string>

#include "test_folder.h"

struct AppProcess {
    PROCESS_INFORMATION info = {};
};

// Starts the program's copy from the folder elsewhere.
bool startApp(const TestFolder& folder, AppProcess& app);

// Waits for the program to end; true with its exit code when it did in time.
bool waitForExit(const AppProcess& app, DWORD timeoutMs, DWORD& exitCode);

bool isRunning(const AppProcess& app);

// Ends the program if it still runs, and every process it started or that runs from the
// test folder (stand-ins, interpreters), then closes the handles.
void endLeftovers(const TestFolder& folder, AppProcess& app);

// Processes still running from the test folder, by exe name (e.g. "netsh.exe").
int countRunning(const TestFolder& folder, const char* exeName);
