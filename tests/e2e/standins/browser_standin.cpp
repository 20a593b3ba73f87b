// Stands in for the web browser: the shell's open command for http and https points here
// while a test runs. Records the command line it was started with, and nothing else.
#include <windows.h>

#include <string>

#include "standin_files.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string folder = ownFolder();
    HANDLE lock = lockFolder(folder);
    appendLine(folder + "\\" + kBrowserLogName, std::to_string(GetCurrentProcessId()) + "\t" +
                                                    std::to_string(GetTickCount()) + "\t" +
                                                    GetCommandLineA());
    unlockFolder(lock);
    return 0;
}
