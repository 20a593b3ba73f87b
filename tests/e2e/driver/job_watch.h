// Watching jobs through what the netsh stand-in recorded.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "standin_logs.h"
#include "test_folder.h"

// The netsh command lines (after "netsh") of the started commands, in start order.
std::vector<std::string> startedCommands(const TestFolder& folder);

// Waits until at least `count` commands have started (or ended, for kind "end").
bool waitForNetshEvents(const TestFolder& folder, const char* kind, std::size_t count, DWORD timeoutMs);

// The ten delete commands, port index 0..9.
std::vector<std::string> deletePass();
// The ten add commands for an address.
std::vector<std::string> addPass(const std::string& address);
// Joins lists, for the commands of a whole job.
std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& second);

// Reports the first difference between the commands run and those expected.
bool checkCommands(const std::vector<std::string>& actual, const std::vector<std::string>& expected,
                   const char* what);
