#include "waiting.h"

#include "standin_files.h"

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
    return clockMs();
}
