// Registry values that a case sets in the Wine prefix for its run and puts back after:
// the shell's open commands for web addresses, and how Wine shows the program's windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SavedRegistryValue {
    HKEY root;
    std::string path;
    std::string name;  // empty: the key's default value
    bool existed = false;
    std::string value;
};

// Sets a string value, creating the key, and records what stood there before.
bool setRegistryString(HKEY root, const std::string& path, const std::string& name, const std::string& value,
                       std::vector<SavedRegistryValue>& saved);

// Puts the recorded values back (or removes those that did not exist), newest first.
void restoreRegistryValues(std::vector<SavedRegistryValue>& saved);

// Points the open command for http and https at the browser stand-in: in HKCR, which
// Wine's shell reads, and in HKCU\Software\Classes, which takes precedence on Windows.
bool registerBrowserStandin(const std::string& standinPath, std::vector<SavedRegistryValue>& saved);

// Without a window manager (Xvfb alone), Wine waits up to two seconds at every show and
// hide of a managed window for a state that only a window manager sets, and leaves its
// caption undrawn. Unmanaged, Wine draws the whole window itself and shows it at once.
bool unmanageProgramWindows(const std::string& exeName, std::vector<SavedRegistryValue>& saved);
