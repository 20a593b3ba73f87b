#include "tests/wine/wine_test_support.h"

#include <fstream>
#include <sstream>

namespace {

std::string recordPath() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "vesk_standin_" + std::to_string(GetCurrentProcessId()) + ".log";
}

struct BoxSearch {
    const std::string* title;
    HWND found;
};

BOOL CALLBACK matchBox(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<BoxSearch*>(context);
    char className[64] = {};
    char caption[256] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(className) == "#32770" && *search->title == caption && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectStatic(HWND child, LPARAM context) {
    auto* contents = reinterpret_cast<BoxContents*>(context);
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0) {
        return TRUE;
    }
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        contents->hasIcon = contents->hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
        return TRUE;
    }
    char text[1024] = {};
    GetWindowTextA(child, text, sizeof text);
    if (text[0] != '\0') {
        contents->text = text;
    }
    return TRUE;
}

}  // namespace

void resetStandIn() {
    const std::string path = recordPath();
    DeleteFileA(path.c_str());
    SetEnvironmentVariableA("VESK_RECORD_FILE", path.c_str());
    SetEnvironmentVariableA("VESK_STANDIN_DELAY", nullptr);
    SetEnvironmentVariableA("VESK_STANDIN_FAIL", nullptr);
}

void setStandInDelay(int milliseconds) {
    SetEnvironmentVariableA("VESK_STANDIN_DELAY", std::to_string(milliseconds).c_str());
}

void setStandInFailure(const std::string& linePart) {
    SetEnvironmentVariableA("VESK_STANDIN_FAIL", linePart.c_str());
}

std::vector<std::string> readStandInRecords() {
    std::ifstream file(recordPath(), std::ios::binary);
    std::vector<std::string> records;
    std::string line;
    while (std::getline(file, line)) {
        records.push_back(line);
    }
    return records;
}

std::vector<std::string> startedLines(const std::vector<std::string>& records) {
    std::vector<std::string> lines;
    for (const std::string& record : records) {
        if (record.rfind("begin ", 0) == 0) {
            // "begin flags=<n> show=<n> " comes before the line itself.
            std::size_t at = record.find(' ', record.find("show="));
            lines.push_back(record.substr(at + 1));
        }
    }
    return lines;
}

bool pumpUntil(bool (*done)(void* context), void* context, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done(context)) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

HWND findBox(const std::string& title) {
    BoxSearch search = {&title, nullptr};
    EnumWindows(matchBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BoxContents readBox(HWND box) {
    BoxContents contents;
    EnumChildWindows(box, collectStatic, reinterpret_cast<LPARAM>(&contents));
    return contents;
}

void pressOk(HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}
