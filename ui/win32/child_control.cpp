#include "ui/win32/child_control.h"

HWND createChildControl(const char* windowClass, const char* text, DWORD style, HWND parent, int id,
                        const ControlRect& rect) {
    return CreateWindowExA(0, windowClass, text, style, rect.left, rect.top, rect.width, rect.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

void addClientEdge(HWND control) {
    const LONG exStyle = GetWindowLongA(control, GWL_EXSTYLE);
    SetWindowLongA(control, GWL_EXSTYLE, exStyle | WS_EX_CLIENTEDGE);
    SetWindowPos(control, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
