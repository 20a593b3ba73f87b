#include "ui/win32/focus_keeper.h"

#include "ui/win32/window_keys.h"

namespace {
HWND rememberedFocus = nullptr;
}

void rememberFocus(HWND mainWindow) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(mainWindow, focus)) {
        rememberedFocus = focus;
    }
}

void restoreFocus(HWND mainWindow) {
    HWND target = rememberedFocus;
    if (target == nullptr || !IsWindow(target) || !IsChild(mainWindow, target)) {
        target = firstTabStopControl(mainWindow);
    }
    if (target != nullptr) {
        SetFocus(target);
    }
}
