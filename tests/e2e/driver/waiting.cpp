#include "waiting.h"

bool waitFor(const std::function<bool()>& ready, DWORD timeoutMs) {
    const double deadline = nowMs() + timeoutMs;
    for (;;) {
        if (ready()) {
            return true;
        }
        if (nowMs() >= deadline) {
            return false;
        }
        Sleep(10);
    }
}

double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}
