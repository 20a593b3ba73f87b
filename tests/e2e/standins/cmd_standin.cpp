// Stands in for cmd.exe beside the program, where process creation looks first. Records
// the exact command line, how the process was asked to show itself and its working
// folder, then hands the same line to the real interpreter and returns its exit code.
#include <windows.h>

#include <string>

#include "standin_files.h"

namespace {

std::string eventLine(const char* kind, DWORD flags, WORD show, DWORD exitCode,
                      const std::string& commandLine) {
    return std::string(kind) + "\t" + std::to_string(GetCurrentProcessId()) + "\t" +
           std::to_string(GetTickCount()) + "\t" + std::to_string(flags) + "\t" + std::to_string(show) +
           "\t" + std::to_string(exitCode) + "\t" + currentFolder() + "\t" + commandLine;
}

}  // namespace

int main() {
    const std::string folder = ownFolder();
    const std::string commandLine = GetCommandLineA();
    STARTUPINFOA own;
    GetStartupInfoA(&own);

    HANDLE lock = lockFolder(folder);
    appendLine(folder + "\\" + kCmdLogName, eventLine("start", own.dwFlags, own.wShowWindow, 0, commandLine));
    unlockFolder(lock);

    char systemFolder[MAX_PATH] = {};
    GetSystemDirectoryA(systemFolder, MAX_PATH);
    const std::string interpreter = std::string(systemFolder) + "\\cmd.exe";
    std::string line = commandLine;
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process;
    DWORD exitCode = 9009;  // what the interpreter reports for a program it cannot start
    if (CreateProcessA(interpreter.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    lock = lockFolder(folder);
    appendLine(folder + "\\" + kCmdLogName,
               eventLine("end", own.dwFlags, own.wShowWindow, exitCode, commandLine));
    unlockFolder(lock);
    return static_cast<int>(exitCode);
}
