#include "ui/win32/window_handlers.h"

#include <windows.h>
#include <shellapi.h>

#include "ui/texts.h"

void showStartupNotice() {
    // No owner and task-modal: it stands alone while the main window is still hidden.
    MessageBoxA(nullptr, kStartupNoticeText, kStartupNoticeTitle, MB_OK | MB_TASKMODAL);
}

void openPortCheckPage() {
    ShellExecuteA(nullptr, "open", kPortCheckPageAddress, nullptr, nullptr, SW_SHOWNORMAL);
}
