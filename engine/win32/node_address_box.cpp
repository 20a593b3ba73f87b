#include "engine/win32/node_address_box.h"

namespace {
HWND nodeAddressBox = nullptr;
}

void setNodeAddressBox(HWND box) {
    nodeAddressBox = box;
}

bool readNodeAddress(std::string& address) {
    const HWND box = nodeAddressBox;
    if (box == nullptr || !IsWindow(box)) {
        return false;
    }
    // The length may overstate a double-byte text; the copy tells the real length.
    const int length = GetWindowTextLengthA(box);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(box, &text[0], length + 1);
    if (copied == 0 && !IsWindow(box)) {
        return false;
    }
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    address = std::move(text);
    return true;
}
