#include "engine/win32/command_runner.h"

#include <windows.h>

#include <vector>

bool runCommand(const std::string& command) {
    // CreateProcessA may write into the line, so it gets a buffer of its own.
    const std::string line = "cmd /C " + command;
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');

    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;

    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof process);
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }

    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    const BOOL gotExitCode = GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return gotExitCode && exitCode == 0;
}
