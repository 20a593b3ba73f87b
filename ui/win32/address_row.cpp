#include "ui/win32/address_row.h"

#include <windowsx.h>

#include <string>

#include "ui/texts.h"
#include "ui/win32/child_control.h"

namespace {

const char* const kLabelClass = "VeskAddressLabel";

HFONT addressRowFont = nullptr;
HBRUSH addressBoxBrush = nullptr;
HWND addressBox = nullptr;

// Bold, 16 pixels high; the font mapper picks the face. Made on first use.
HFONT rowFont() {
    if (addressRowFont == nullptr) {
        LOGFONTA font;
        ZeroMemory(&font, sizeof font);
        font.lfHeight = -16;
        font.lfWeight = FW_BOLD;
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfOutPrecision = OUT_DEFAULT_PRECIS;
        font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        font.lfQuality = PROOF_QUALITY;
        font.lfPitchAndFamily = DEFAULT_PITCH;
        addressRowFont = CreateFontIndirectA(&font);
    }
    // Without the bold font the row falls back to the stock font, silently.
    return addressRowFont != nullptr ? addressRowFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT labelFont(HWND label) {
    return reinterpret_cast<HFONT>(GetWindowLongPtrA(label, 0));
}

// Keeps the font the label paints with, as any control does.
void Label_OnSetFont(HWND hwnd, HFONT font, BOOL redraw) {
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(font));
    if (redraw) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// Tells the font the label paints with.
HFONT Label_OnGetFont(HWND hwnd) {
    return labelFont(hwnd);
}

// The whole area is painted in WM_PAINT.
BOOL Label_OnEraseBkgnd(HWND, HDC) {
    return TRUE;
}

// Button-face background, then the text in black, left-aligned and centred vertically.
void Label_OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT area;
    GetClientRect(hwnd, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));

    const HFONT font = labelFont(hwnd);
    const HGDIOBJ oldFont = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()))));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_SETFONT, Label_OnSetFont);
        HANDLE_MSG(hwnd, WM_GETFONT, Label_OnGetFont);
        HANDLE_MSG(hwnd, WM_ERASEBKGND, Label_OnEraseBkgnd);
        HANDLE_MSG(hwnd, WM_PAINT, Label_OnPaint);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool registerLabelClass(HINSTANCE instance) {
    WNDCLASSEXA existing;
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, kLabelClass, &existing)) {
        return true;
    }
    WNDCLASSEXA cls;
    ZeroMemory(&cls, sizeof cls);
    cls.cbSize = sizeof cls;
    cls.style = CS_HREDRAW | CS_VREDRAW;
    cls.lpfnWndProc = LabelProc;
    cls.cbWndExtra = sizeof(HFONT);
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.lpszClassName = kLabelClass;
    return RegisterClassExA(&cls) != 0;
}

}  // namespace

HWND createAddressBox(HWND parent) {
    const HWND box = createChildControl("EDIT", kAddressPreset,
                                        WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER,
                                        parent, kAddressBoxId, kAddressBoxRect);
    if (box == nullptr) {
        return nullptr;
    }
    addClientEdge(box);
    SetWindowFont(box, rowFont(), FALSE);
    Edit_LimitText(box, 0);
    Edit_SetSel(box, 0, 0);
    if (addressBoxBrush == nullptr) {
        addressBoxBrush = CreateSolidBrush(RGB(255, 255, 255));
    }
    addressBox = box;
    return box;
}

HWND createAddressLabel(HWND parent) {
    if (!registerLabelClass(GetModuleHandleA(nullptr))) {
        return nullptr;
    }
    const HWND label = createChildControl(kLabelClass, kAddressLabelText, WS_CHILD | WS_CLIPSIBLINGS, parent,
                                          kAddressLabelId, kAddressLabelRect);
    if (label != nullptr) {
        SetWindowFont(label, rowFont(), FALSE);
    }
    return label;
}

HBRUSH addressBoxColors(HWND box, HDC dc) {
    if (box == nullptr || box != addressBox) {
        return nullptr;
    }
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return addressBoxBrush;
}

void releaseAddressRow() {
    addressBox = nullptr;
    if (addressBoxBrush != nullptr) {
        DeleteObject(addressBoxBrush);
        addressBoxBrush = nullptr;
    }
    if (addressRowFont != nullptr) {
        DeleteObject(addressRowFont);
        addressRowFont = nullptr;
    }
}
