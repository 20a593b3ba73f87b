#include "ui/win32/main_window_controls.h"

#include <windowsx.h>

#include "engine/win32/node_address_box.h"
#include "ui/layout.h"
#include "ui/texts.h"
#include "ui/win32/address_row.h"
#include "ui/win32/child_control.h"
#include "ui/win32/notes_box.h"

namespace {

// The creation order, which is also the order of the controls among the window's children.
const int kCreationOrder[] = {kMapButtonId,    kDeleteButtonId, kAddressBoxId,
                              kAddressLabelId, kNotesBoxId,     kPortCheckButtonId};

// A plain push button (none is the default button), its text centred on several lines.
HWND createPushButton(HWND parent, int id, const ControlRect& rect, const char* text) {
    const HWND button = createChildControl(
        "BUTTON", text,
        WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE,
        parent, id, rect);
    if (button != nullptr) {
        SetWindowFont(button, GetStockObject(DEFAULT_GUI_FONT), FALSE);
    }
    return button;
}

}  // namespace

bool buildMainWindowControls(HWND window) {
    if (createPushButton(window, kMapButtonId, kMapButtonRect, kMapButtonText) == nullptr ||
        createPushButton(window, kDeleteButtonId, kDeleteButtonRect, kDeleteButtonText) == nullptr) {
        return false;
    }
    const HWND addressBox = createAddressBox(window);
    if (addressBox == nullptr) {
        return false;
    }
    setNodeAddressBox(addressBox);
    return createAddressLabel(window) != nullptr && createNotesBox(window) != nullptr &&
           createPushButton(window, kPortCheckButtonId, kPortCheckButtonRect, kPortCheckButtonText) !=
               nullptr;
}

void showMainWindowControls(HWND window) {
    for (int id : kCreationOrder) {
        ShowWindow(GetDlgItem(window, id), SW_SHOWNA);
    }
}

void releaseMainWindowControls() {
    releaseAddressRow();
}
