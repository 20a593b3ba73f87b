// What the stand-ins recorded in the test folder, and how a case sets them up.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "portproxy_table.h"
#include "test_folder.h"

// One line of the netsh stand-in's log: a command starting or ending.
struct NetshEvent {
    std::string kind;  // "start" or "end"
    DWORD pid = 0;
    double timeMs = 0;  // the shared performance counter, as nowMs() reads it
    int exitCode = 0;
    std::string folder;     // its working folder
    std::string arguments;  // its command line after the program name
};

// One line of the cmd stand-in's log.
struct CmdEvent {
    std::string kind;  // "start" or "end"
    DWORD pid = 0;
    DWORD tick = 0;
    DWORD startupFlags = 0;
    WORD showWindow = 0;
    DWORD exitCode = 0;
    std::string folder;
    std::string commandLine;  // exactly as the process was created with
};

std::vector<NetshEvent> readNetshLog(const TestFolder& folder);
std::vector<CmdEvent> readCmdLog(const TestFolder& folder);
// The browser stand-in's command lines, one per start.
std::vector<std::string> readBrowserLog(const TestFolder& folder);

// Only the events of one kind.
std::vector<NetshEvent> netshEvents(const std::vector<NetshEvent>& events, const char* kind);
std::vector<CmdEvent> cmdEvents(const std::vector<CmdEvent>& events, const char* kind);

// The control file that the netsh stand-in reads at every start ("key=value" lines).
bool setNetshControl(const TestFolder& folder, const std::string& settings);

PortProxyTable readPortProxyTable(const TestFolder& folder);
bool writePortProxyTable(const TestFolder& folder, const PortProxyTable& table);
