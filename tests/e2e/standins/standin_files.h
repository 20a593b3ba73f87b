// Files that the stand-ins and the driver share in a test folder, and the lock that keeps
// concurrent stand-in processes from interleaving their updates.
#pragma once

#include <windows.h>

#include <string>

// The folder of the running exe, without a trailing backslash.
std::string ownFolder();

std::string currentFolder();

// Milliseconds of the performance counter, which every process of the machine shares, so
// the driver can set a stand-in's times against its own.
double clockMs();

// A named mutex per folder, so every process that works in that folder takes the same
// lock. A holder that was killed leaves the mutex abandoned, which still grants it.
HANDLE lockFolder(const std::string& folder);
void unlockFolder(HANDLE lock);

bool readWholeFile(const std::string& path, std::string& text);
bool writeWholeFile(const std::string& path, const std::string& text);
// Appends one line (a line break is added); the caller holds the folder lock.
bool appendLine(const std::string& path, const std::string& line);
bool fileExists(const std::string& path);

// File names inside a test folder.
extern const char* const kNetshLogName;
extern const char* const kNetshControlName;
extern const char* const kNetshHangUsedName;
extern const char* const kPortProxyTableName;
extern const char* const kCmdLogName;
extern const char* const kBrowserLogName;
