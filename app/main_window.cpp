#include "app/main_window.h"

#include <windowsx.h>

#include "app/event_table.h"
#include "app/fatal_error.h"
#include "ui/layout.h"
#include "ui/texts.h"
#include "ui/win32/address_row.h"
#include "ui/win32/focus_keeper.h"
#include "ui/win32/main_window_controls.h"
#include "ui/win32/window_icon.h"
#include "ui/window_place.h"

namespace {

const char* const kMainWindowClass = "VeskPortMapperWindow";

// A dialog frame with a working minimize button; no maximize, no sizing border.
constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

HICON bigIcon = nullptr;
HICON smallIcon = nullptr;

// A clicked button raises its event; everything else a control reports is ignored.
void MainWindow_OnCommand(HWND, int id, HWND control, UINT notifyCode) {
    if (control != nullptr && notifyCode == BN_CLICKED) {
        raiseEvent(id, EventKind::Clicked);
    }
}

// The node address box is black on white; other boxes keep their usual colours.
HBRUSH MainWindow_OnCtlColorEdit(HWND hwnd, HDC dc, HWND box, int) {
    const HBRUSH brush = addressBoxColors(box, dc);
    if (brush != nullptr) {
        return brush;
    }
    return FORWARD_WM_CTLCOLOREDIT(hwnd, dc, box, DefWindowProcA);
}

// Remembers the focused control as the window loses activation.
void MainWindow_OnActivate(HWND hwnd, UINT state, HWND other, BOOL minimized) {
    if (state == WA_INACTIVE) {
        rememberFocus(hwnd);
    }
    FORWARD_WM_ACTIVATE(hwnd, state, other, minimized, DefWindowProcA);
}

// The window never keeps the focus itself: it goes on to a control.
void MainWindow_OnSetFocus(HWND hwnd, HWND) {
    restoreFocus(hwnd);
}

// The last window of the program is gone: end the message loop.
void MainWindow_OnDestroy(HWND) {
    PostQuitMessage(0);
}

// The controls are destroyed by now; release what outlived them.
void MainWindow_OnNCDestroy(HWND hwnd) {
    releaseMainWindowControls();
    DestroyIcon(bigIcon);
    DestroyIcon(smallIcon);
    bigIcon = smallIcon = nullptr;
    FORWARD_WM_NCDESTROY(hwnd, DefWindowProcA);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_COMMAND, MainWindow_OnCommand);
        HANDLE_MSG(hwnd, WM_CTLCOLOREDIT, MainWindow_OnCtlColorEdit);
        HANDLE_MSG(hwnd, WM_ACTIVATE, MainWindow_OnActivate);
        HANDLE_MSG(hwnd, WM_SETFOCUS, MainWindow_OnSetFocus);
        HANDLE_MSG(hwnd, WM_DESTROY, MainWindow_OnDestroy);
        HANDLE_MSG(hwnd, WM_NCDESTROY, MainWindow_OnNCDestroy);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA cls;
    ZeroMemory(&cls, sizeof cls);
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = MainWindowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&cls) != 0;
}

void setWindowIcons(HWND window) {
    bigIcon = loadWindowIcon(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    smallIcon = loadWindowIcon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

}  // namespace

HWND createMainWindow(HINSTANCE instance) {
    const int left = centredOrigin(GetSystemMetrics(SM_CXSCREEN), kMainWindowWidth);
    const int top = centredOrigin(GetSystemMetrics(SM_CYSCREEN), kMainWindowHeight);
    const HWND window =
        registerMainWindowClass(instance)
            ? CreateWindowExA(0, kMainWindowClass, kWindowCaption, kMainWindowStyle, left, top,
                              kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, nullptr)
            : nullptr;
    if (window == nullptr) {
        reportFatalError(kWindowNotBuiltText);
    }
    RECT outer;
    GetWindowRect(window, &outer);
    if (outer.right - outer.left != kMainWindowWidth || outer.bottom - outer.top != kMainWindowHeight) {
        MoveWindow(window, left, top, kMainWindowWidth, kMainWindowHeight, FALSE);
    }

    setWindowIcons(window);
    SetWindowFont(window, GetStockObject(DEFAULT_GUI_FONT), FALSE);
    if (!buildMainWindowControls(window)) {
        reportFatalError(kWindowNotBuiltText);
    }
    showMainWindowControls(window);

    // The created event runs before the window appears: its notice stands alone.
    raiseEvent(kMainWindowSource, EventKind::Created);
    if (IsWindow(window)) {
        ShowWindow(window, SW_SHOW);
    }
    return window;
}
