// Stands in for cmd.exe beside the test program: CreateProcessA finds it before the
// system one. It records the exact line it was started with and its start-up flags,
// holds for a while so overlapping starts would show, and ends with a chosen exit code.
//   VESK_RECORD_FILE    where to append the record (required)
//   VESK_STANDIN_DELAY  milliseconds to hold between "begin" and "end" (default 0)
//   VESK_STANDIN_FAIL   lines containing this text end with exit code 3
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string environmentText(const char* name) {
    char value[4096];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

// One WriteFile per record, appended, so records of separate processes never mix.
void appendRecord(const std::string& path, const std::string& record) {
    const HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    const std::string line = record + "\n";
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

int main() {
    const std::string recordFile = environmentText("VESK_RECORD_FILE");
    if (recordFile.empty()) {
        return 99;
    }
    const std::string line = GetCommandLineA();

    STARTUPINFOA startup;
    GetStartupInfoA(&startup);
    char flags[64];
    (void)std::snprintf(flags, sizeof flags, "flags=%lu show=%u", static_cast<unsigned long>(startup.dwFlags),
                        static_cast<unsigned>(startup.wShowWindow));

    appendRecord(recordFile, "begin " + std::string(flags) + " " + line);
    const std::string delay = environmentText("VESK_STANDIN_DELAY");
    if (!delay.empty()) {
        Sleep(static_cast<DWORD>(std::atoi(delay.c_str())));
    }
    appendRecord(recordFile, "end");

    const std::string fail = environmentText("VESK_STANDIN_FAIL");
    return !fail.empty() && line.find(fail) != std::string::npos ? 3 : 0;
}
