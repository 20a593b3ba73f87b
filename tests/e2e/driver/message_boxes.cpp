#include "message_boxes.h"

#include "checks.h"
#include "waiting.h"
#include "window_finding.h"

std::vector<HWND> findBoxes(DWORD pid, const char* title) {
    return topWindows(pid, "#32770", title, true);
}

HWND waitForBox(DWORD pid, const char* title, DWORD timeoutMs) {
    HWND box = nullptr;
    waitFor(
        [&] {
            const std::vector<HWND> boxes = findBoxes(pid, title);
            box = boxes.empty() ? nullptr : boxes.front();
            return box != nullptr;
        },
        timeoutMs);
    return box;
}

BoxContent readBox(HWND box) {
    note("reading the box \"%s\"", windowText(box).c_str());
    BoxContent content;
    content.title = windowText(box);
    content.owner = GetWindow(box, GW_OWNER);
    for (HWND child : childWindows(box)) {
        const std::string kind = classNameOf(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (lstrcmpiA(kind.c_str(), "Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                DWORD_PTR icon = 0;
                SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &icon);
                content.hasIcon = content.hasIcon || (IsWindowVisible(child) && icon != 0);
            } else if (GetDlgCtrlID(child) == 0xFFFF || content.text.empty()) {
                const std::string text = windowText(child);
                if (!text.empty()) {
                    content.text = text;
                }
            }
        } else if (lstrcmpiA(kind.c_str(), "Button") == 0 && IsWindowVisible(child)) {
            content.buttonIds.push_back(GetDlgCtrlID(child));
        }
    }
    return content;
}

bool pressOk(HWND box) {
    // What the OK button tells its box when clicked. (Under Wine a BM_CLICK sent from
    // another process to a message box's button does not reach the box.)
    HWND ok = GetDlgItem(box, IDOK);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    return waitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000);
}
