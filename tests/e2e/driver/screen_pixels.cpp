#include "screen_pixels.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// The pixels of a screen rectangle as 32-bit BGRA, top row first.
std::vector<DWORD> grabScreen(const RECT& r) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        std::copy_n(static_cast<const DWORD*>(bits), pixels.size(), pixels.begin());
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The icon's own pixels (BGRA, top row first, alpha kept) at its loaded size.
std::vector<DWORD> iconPixels(HICON icon, int size) {
    std::vector<DWORD> pixels(static_cast<std::size_t>(size) * size);
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) {
        return {};
    }
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = size;
    format.bmiHeader.biHeight = -size;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    const int rows = info.hbmColor != nullptr
                         ? GetDIBits(screen, info.hbmColor, 0, size, pixels.data(), &format, DIB_RGB_COLORS)
                         : 0;
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return rows == size ? pixels : std::vector<DWORD>();
}

bool similarColour(DWORD a, DWORD b) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 40) {
            return false;
        }
    }
    return true;
}

}  // namespace

COLORREF pixelAt(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool showsDarkPixels(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    for (DWORD pixel : grabScreen(r)) {
        if (((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF) < 200) {
            return true;
        }
    }
    return false;
}

double captionIconMatch(HWND main, const std::string& programPath) {
    // Where the caption's icon stands: the area that the window calls its system menu.
    RECT window;
    GetWindowRect(main, &window);
    RECT area = {window.right, window.bottom, window.left, window.top};
    for (LONG y = window.top; y < window.top + 48; y += 2) {
        for (LONG x = window.left; x < window.left + 48; x += 2) {
            DWORD_PTR hit = 0;
            SendMessageTimeoutA(main, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
            if (hit == HTSYSMENU) {
                area = {std::min(area.left, x), std::min(area.top, y), std::max(area.right, x + 1),
                        std::max(area.bottom, y + 1)};
            }
        }
    }
    if (area.left >= area.right) {
        return 0;
    }
    HMODULE program = LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const int size = GetSystemMetrics(SM_CXSMICON);
    HICON icon = program != nullptr
                     ? static_cast<HICON>(LoadImageA(program, "DEFAULT_ICON", IMAGE_ICON, size, size, 0))
                     : nullptr;
    const std::vector<DWORD> image = icon != nullptr ? iconPixels(icon, size) : std::vector<DWORD>();
    if (icon != nullptr) {
        DestroyIcon(icon);
    }
    if (program != nullptr) {
        FreeLibrary(program);
    }
    if (image.empty()) {
        return 0;
    }
    // Search every place of the icon around the area; keep the best share of matches.
    const RECT grabbed = {area.left - size, area.top - size, area.right + size, area.bottom + size};
    const std::vector<DWORD> screen = grabScreen(grabbed);
    const int width = grabbed.right - grabbed.left;
    const int height = grabbed.bottom - grabbed.top;
    double best = 0;
    for (int top = 0; top + size <= height; ++top) {
        for (int left = 0; left + size <= width; ++left) {
            int opaque = 0;
            int matching = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const DWORD pixel = image[static_cast<std::size_t>(y) * size + x];
                    if ((pixel >> 24) != 0xFF) {
                        continue;
                    }
                    ++opaque;
                    matching +=
                        similarColour(pixel, screen[static_cast<std::size_t>(top + y) * width + left + x])
                            ? 1
                            : 0;
                }
            }
            if (opaque > 0) {
                best = std::max(best, static_cast<double>(matching) / opaque);
            }
        }
    }
    return best;
}
