#include "keys.h"

#include <vector>

#include "waiting.h"

namespace {

INPUT keyInput(WORD virtualKey, bool up) {
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT mouseInput(DWORD flags, LONG x, LONG y) {
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

}  // namespace

bool bringToFront(HWND window) {
    if (GetForegroundWindow() != window) {
        SetForegroundWindow(window);
    }
    return waitFor([&] { return GetForegroundWindow() == window; }, 2000);
}

HWND focusedWindow(DWORD threadId) {
    GUITHREADINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

bool waitForFocus(DWORD threadId, HWND expected, DWORD timeoutMs) {
    return waitFor([&] { return focusedWindow(threadId) == expected; }, timeoutMs);
}

bool pressKey(WORD virtualKey, bool withShift) {
    std::vector<INPUT> inputs;
    if (withShift) {
        inputs.push_back(keyInput(VK_SHIFT, false));
    }
    inputs.push_back(keyInput(virtualKey, false));
    inputs.push_back(keyInput(virtualKey, true));
    if (withShift) {
        inputs.push_back(keyInput(VK_SHIFT, true));
    }
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
}

bool clickAt(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return clickAtPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

bool clickAtPoint(LONG x, LONG y) {
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const LONG absoluteX = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    const LONG absoluteY = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    INPUT inputs[3] = {
        mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, absoluteX, absoluteY),
        mouseInput(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE, absoluteX, absoluteY),
        mouseInput(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE, absoluteX, absoluteY),
    };
    return SendInput(3, inputs, sizeof(INPUT)) == 3;
}
