#include "ui/win32/window_icon.h"

#include "ui/icon_directory.h"

namespace {

// Version 3.0 of the icon format, the one that holds 32-bit and PNG images.
constexpr DWORD kIconFormatVersion = 0x00030000;

HICON iconFromStoredFile(int width, int height) {
    const HMODULE program = GetModuleHandleA(nullptr);
    const HRSRC resource = FindResourceA(program, "WINDOW_ICON_DATA", MAKEINTRESOURCEA(10));
    if (resource == nullptr) {
        return nullptr;
    }
    const HGLOBAL loaded = LoadResource(program, resource);
    const auto* bytes = static_cast<const unsigned char*>(LockResource(loaded));
    const DWORD size = SizeofResource(program, resource);
    IconImage image;
    if (bytes == nullptr || !chooseIconImage(bytes, size, width, image)) {
        return nullptr;
    }
    return CreateIconFromResourceEx(const_cast<PBYTE>(bytes + image.offset), static_cast<DWORD>(image.size),
                                    TRUE, kIconFormatVersion, width, height, LR_DEFAULTCOLOR);
}

}  // namespace

HICON loadWindowIcon(int width, int height) {
    const HICON icon = iconFromStoredFile(width, height);
    if (icon != nullptr) {
        return icon;
    }
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, width, height, 0));
}
