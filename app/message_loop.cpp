#include "app/message_loop.h"

#include "app/event_table.h"
#include "ui/win32/window_keys.h"

int runMessageLoop(HWND mainWindow) {
    if (!IsWindow(mainWindow)) {
        return 0;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (preprocessWindowKey(mainWindow, msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

void endApplication(int exitCode) {
    stopEvents();
    ExitProcess(static_cast<UINT>(exitCode));
}
