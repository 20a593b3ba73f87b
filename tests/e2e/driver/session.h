// One run of the program for a case: its folder, its process, its window and controls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app_process.h"
#include "registry_values.h"
#include "test_folder.h"

struct Controls {
    HWND button1 = nullptr;  // 端口一键映射, id 100
    HWND button2 = nullptr;  // 端口一键删除, id 110
    HWND edit = nullptr;     // the node address box, id 120
    HWND label = nullptr;    // 节点IP, id 130
    HWND notes = nullptr;    // the notes box, id 140
    HWND button3 = nullptr;  // Vesk节点端口检测, id 150
};

struct SessionOptions {
    bool cmdStandin = false;      // the recording cmd.exe beside the program
    bool browserStandin = false;  // the shell's http/https open commands → the stand-in
    std::string netshControl;     // netsh_control.txt before the start
};

struct Session {
    TestFolder folder;
    AppProcess app;
    HWND main = nullptr;
    DWORD windowThread = 0;
    Controls controls;
    std::vector<SavedRegistryValue> savedRegistry;
};

// The program under test, as given on the driver's command line.
void setProgramPath(const std::string& path);

// Makes the folder and starts the program; the start-up notice is not yet dismissed.
bool startSession(const char* caseName, const SessionOptions& options, Session& session);

// Waits for the start-up notice and presses its OK.
bool passNotice(Session& session, DWORD timeoutMs = 20000);

// Waits for the main window to be shown and finds its controls.
bool findMainWindow(Session& session, DWORD timeoutMs = 10000);

// All three: the usual way into a case.
bool openSession(const char* caseName, const SessionOptions& options, Session& session);

// Ends whatever still runs and puts the registry back.
void closeSession(Session& session);

// The program's main window by caption, shown or not.
HWND mainWindowOf(const Session& session);

DWORD pidOf(const Session& session);

// Checks that the program ends within `timeoutMs` with `expectedCode`; `how` names what
// ended it for the failure message.
bool expectExit(Session& session, DWORD timeoutMs, DWORD expectedCode, const char* how);

// Closes the main window as its close button does and expects exit code 0.
bool closeNormally(Session& session);
