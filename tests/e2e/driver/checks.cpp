#include "checks.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

namespace {

bool failed = false;

// The driver's texts are GBK (its literals are compiled that way); the test log is UTF-8.
std::string toUtf8(const std::string& gbk) {
    const int wideLength = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), &wide[0], wideLength);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &utf8[0], length, nullptr, nullptr);
    return utf8;
}

// Every line carries the time since the driver started, so a slow step shows.
void printLine(const char* prefix, const char* format, va_list arguments) {
    static const DWORD started = GetTickCount();
    char buffer[8192];
    (void)std::vsnprintf(buffer, sizeof buffer, format, arguments);
    char stamp[32];
    (void)std::snprintf(stamp, sizeof stamp, "[%6lu ms] ", GetTickCount() - started);
    const std::string line = std::string(stamp) + prefix + toUtf8(buffer) + "\n";
    (void)std::fwrite(line.data(), 1, line.size(), stdout);
    (void)std::fflush(stdout);
}

}  // namespace

bool check(bool condition, const char* format, ...) {
    if (!condition) {
        failed = true;
        va_list arguments;
        va_start(arguments, format);
        printLine("FAIL: ", format, arguments);
        va_end(arguments);
    }
    return condition;
}

void note(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    printLine("  ", format, arguments);
    va_end(arguments);
}

bool anyCheckFailed() {
    return failed;
}

std::string printable(const std::string& gbk) {
    std::string shown;
    for (unsigned char c : gbk) {
        if (c < 0x20 || c == 0x7F) {
            char escape[8];
            (void)std::snprintf(escape, sizeof escape, "\\x%02X", c);
            shown += escape;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}
