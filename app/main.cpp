// VeskPortMapper: one window that keeps the server's ten port-proxy rules for a node.
#include <windows.h>
#include <commctrl.h>

#include "app/fatal_error.h"
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/working_directory.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    installOutOfMemoryReport();

    // The standard controls take the visual styles the manifest asks for.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    moveToExeFolder();
    const HWND mainWindow = createMainWindow(instance);
    endApplication(runMessageLoop(mainWindow));
}
