#include "app_process.h"

#include <tlhelp32.h>

#include <set>
#include <vector>

#include "checks.h"

namespace {

std::string imagePath(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr) {
        return "";
    }
    char path[MAX_PATH * 2] = {};
    DWORD length = sizeof path;
    std::string image;
    if (QueryFullProcessImageNameA(process, 0, path, &length)) {
        image.assign(path, length);
    }
    CloseHandle(process);
    return image;
}

bool startsWithFolder(const std::string& path, const std::string& folder) {
    return path.size() > folder.size() &&
           lstrcmpiA(path.substr(0, folder.size()).c_str(), folder.c_str()) == 0 &&
           path[folder.size()] == '\\';
}

struct ProcessEntry {
    DWORD pid;
    DWORD parent;
    std::string exeName;
};

std::vector<ProcessEntry> allProcesses() {
    std::vector<ProcessEntry> entries;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return entries;
    }
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        entries.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.szExeFile});
    }
    CloseHandle(snapshot);
    return entries;
}

}  // namespace

bool startApp(const TestFolder& folder, AppProcess& app) {
    // The program shares the driver's console. Started without one, as from the desktop,
    // every interpreter it starts would get a console host process of its own under Wine,
    // which triples the cost of each command; the program itself never uses a console.
    std::string commandLine = "\"" + folder.programPath + "\"";
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    const BOOL started = CreateProcessA(folder.programPath.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                                        0, nullptr, folder.startFolder.c_str(), &startup, &app.info);
    return check(started != 0, "cannot start %s (error %lu)", folder.programPath.c_str(), GetLastError());
}

bool waitForExit(const AppProcess& app, DWORD timeoutMs, DWORD& exitCode) {
    if (app.info.hProcess == nullptr || WaitForSingleObject(app.info.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(app.info.hProcess, &exitCode) != 0;
}

bool isRunning(const AppProcess& app) {
    return app.info.hProcess != nullptr && WaitForSingleObject(app.info.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {

// One sweep: ends what runs from the folder and the interpreters descended from the
// program or from those; returns how many were still running.
int endRunningOnce(const TestFolder& folder, DWORD programPid) {
    std::set<DWORD> doomed;
    if (programPid != 0) {
        doomed.insert(programPid);
    }
    const std::vector<ProcessEntry> entries = allProcesses();
    for (const ProcessEntry& entry : entries) {
        if (!folder.path.empty() && startsWithFolder(imagePath(entry.pid), folder.path)) {
            doomed.insert(entry.pid);
        }
    }
    // Nothing else that descends from the program: Wine starts its desktop process from
    // whichever program needs it first.
    for (bool grew = true; grew;) {
        grew = false;
        for (const ProcessEntry& entry : entries) {
            const bool interpreter = lstrcmpiA(entry.exeName.c_str(), "cmd.exe") == 0 ||
                                     lstrcmpiA(entry.exeName.c_str(), "conhost.exe") == 0;
            if (interpreter && doomed.count(entry.parent) != 0 && doomed.insert(entry.pid).second) {
                grew = true;
            }
        }
    }
    doomed.erase(GetCurrentProcessId());
    int ended = 0;
    for (DWORD pid : doomed) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (process == nullptr) {
            continue;
        }
        // Wine can leave a process whose parent ended while creating it signalled yet
        // "still active"; such an entry keeps the Wine server alive until it is ended.
        DWORD exitCode = 0;
        const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
        const bool stuck = !running && GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
        if (running || stuck) {
            note("ending leftover process %lu %s%s", pid, imagePath(pid).c_str(),
                 stuck ? " (stuck in creation)" : "");
            TerminateProcess(process, 99);
            WaitForSingleObject(process, 2000);
            ++ended;
        }
        CloseHandle(process);
    }
    return ended;
}

}  // namespace

void endLeftovers(const TestFolder& folder, AppProcess& app) {
    if (isRunning(app)) {
        TerminateProcess(app.info.hProcess, 99);
        WaitForSingleObject(app.info.hProcess, 5000);
    }
    // Sweeps until two in a row find nothing: an interpreter may just be starting its
    // netsh, and a straggler would hold the test's output open.
    for (int quiet = 0, round = 0; quiet < 2 && round < 30; ++round) {
        quiet = endRunningOnce(folder, app.info.dwProcessId) == 0 ? quiet + 1 : 0;
        Sleep(100);
    }
    if (app.info.hProcess != nullptr) {
        CloseHandle(app.info.hThread);
        CloseHandle(app.info.hProcess);
    }
    app.info = PROCESS_INFORMATION{};
}

int countRunning(const TestFolder& folder, const char* exeName) {
    int count = 0;
    for (const ProcessEntry& entry : allProcesses()) {
        if (lstrcmpiA(entry.exeName.c_str(), exeName) == 0 &&
            startsWithFolder(imagePath(entry.pid), folder.path)) {
            ++count;
        }
    }
    return count;
}
