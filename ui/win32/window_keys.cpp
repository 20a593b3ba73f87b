#include "ui/win32/window_keys.h"

#include "ui/key_rules.h"
#include "ui/layout.h"
#include "ui/tab_order.h"

namespace {

bool isDown(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

// The child of the main window that `hwnd` is or lies in; null for the main window itself
// and for windows outside it.
HWND controlOf(HWND mainWindow, HWND hwnd) {
    while (hwnd != nullptr) {
        const HWND parent = GetParent(hwnd);
        if (parent == mainWindow) {
            return hwnd;
        }
        hwnd = parent;
    }
    return nullptr;
}

// Which tab-order controls may take the focus now: those visible and enabled.
void findCandidates(HWND mainWindow, bool (&candidate)[kTabOrderLength]) {
    for (int place = 0; place < kTabOrderLength; ++place) {
        const HWND control = GetDlgItem(mainWindow, kTabOrder[place]);
        candidate[place] = control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control);
    }
}

int placeInTabOrder(HWND control) {
    const int id = GetDlgCtrlID(control);
    for (int place = 0; place < kTabOrderLength; ++place) {
        if (kTabOrder[place] == id) {
            return place;
        }
    }
    return -1;
}

}  // namespace

void moveFocusAlongTabOrder(HWND mainWindow, HWND control, bool backward) {
    const int current = placeInTabOrder(control);
    bool candidate[kTabOrderLength];
    findCandidates(mainWindow, candidate);
    const int next = tabOrderStep(candidate, kTabOrderLength, current, backward);
    if (next >= 0 && next != current) {
        SetFocus(GetDlgItem(mainWindow, kTabOrder[next]));
    }
}

HWND firstTabStopControl(HWND mainWindow) {
    bool candidate[kTabOrderLength];
    findCandidates(mainWindow, candidate);
    const int first = firstTabStop(candidate, kTabOrderLength);
    return first >= 0 ? GetDlgItem(mainWindow, kTabOrder[first]) : nullptr;
}

bool preprocessWindowKey(HWND mainWindow, const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) {
        return false;
    }
    const HWND control = controlOf(mainWindow, msg.hwnd);
    if (msg.hwnd != mainWindow && control == nullptr) {
        return false;  // some other window of this thread
    }
    const KeyPress key = {true, static_cast<int>(msg.wParam), isDown(VK_CONTROL), isDown(VK_SHIFT),
                          isDown(VK_MENU)};
    const KeyTarget target = {IsWindowEnabled(msg.hwnd) != FALSE,
                              control != nullptr && GetDlgCtrlID(control) == kNotesBoxId};
    const KeyAction action = decideKeyAction(key, target);
    switch (action) {
        case KeyAction::PassOn:
            return false;
        case KeyAction::FocusForward:
        case KeyAction::FocusBackward:
            // On the main window itself nothing moves, but the key is still taken.
            if (control != nullptr) {
                moveFocusAlongTabOrder(mainWindow, control, action == KeyAction::FocusBackward);
            }
            return true;
        case KeyAction::CloseWindow:
            SendMessageA(mainWindow, WM_CLOSE, 0, 0);
            return true;
    }
    return false;
}
