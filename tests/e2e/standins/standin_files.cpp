#include "standin_files.h"

const char* const kNetshLogName = "netsh_log.txt";
const char* const kNetshControlName = "netsh_control.txt";
const char* const kNetshHangUsedName = "netsh_hang_used.txt";
const char* const kPortProxyTableName = "portproxy_table.txt";
const char* const kCmdLogName = "cmd_log.txt";
const char* const kBrowserLogName = "browser_log.txt";

std::string ownFolder() {
    char path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    const std::size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

std::string currentFolder() {
    char path[MAX_PATH * 2] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof path, path);
    return std::string(path, length);
}

double clockMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

HANDLE lockFolder(const std::string& folder) {
    // Mutex names may not hold backslashes; the folder's own characters make it unique.
    std::string name = "VeskE2E-";
    for (char c : folder) {
        if (c == '\\' || c == '/' || c == ':') {
            c = '_';
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');  // the same folder in any spelling
        }
        name += c;
    }
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    if (mutex != nullptr) {
        WaitForSingleObject(mutex, INFINITE);
    }
    return mutex;
}

void unlockFolder(HANDLE lock) {
    if (lock != nullptr) {
        ReleaseMutex(lock);
        CloseHandle(lock);
    }
}

bool readWholeFile(const std::string& path, std::string& text) {
    text.clear();
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    CloseHandle(file);
    return true;
}

bool writeWholeFile(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
}

bool appendLine(const std::string& path, const std::string& line) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const std::string text = line + "\n";
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
