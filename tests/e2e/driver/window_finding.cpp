#include "window_finding.h"

#include <algorithm>

#include "waiting.h"

namespace {

struct TopSearch {
    DWORD pid;
    const char* className;
    const char* caption;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK collectTop(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TopSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || (search->visibleOnly && !IsWindowVisible(window))) {
        return TRUE;
    }
    if (search->className != nullptr && lstrcmpiA(classNameOf(window).c_str(), search->className) != 0) {
        return TRUE;
    }
    if (search->caption != nullptr && windowText(window) != search->caption) {
        return TRUE;
    }
    search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> topWindows(DWORD pid, const char* className, const char* caption, bool visibleOnly) {
    TopSearch search{pid, className, caption, visibleOnly, {}};
    EnumWindows(collectTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::string classNameOf(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string windowText(HWND window) {
    // Wine's rich edit answers WM_GETTEXTLENGTH from another process with 0 while
    // WM_GETTEXT works, so the buffer does not trust the length alone.
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::string text(std::max<std::size_t>(length * 2 + 2, 65536), '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                             SMTO_ABORTIFHUNG, 5000, &copied)) {
        return "";
    }
    text.resize(std::min<std::size_t>(copied, text.size()));
    return text;
}

bool setWindowText(HWND window, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, 5000, &result) != 0 &&
           result != 0;
}

RECT rectInParent(HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool answers(HWND window, DWORD timeoutMs, double* roundTripMs) {
    DWORD_PTR result = 0;
    const double start = nowMs();
    const bool answered =
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
    if (roundTripMs != nullptr) {
        *roundTripMs = nowMs() - start;
    }
    return answered;
}

bool clickButton(HWND button) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}
