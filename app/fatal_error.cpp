#include "app/fatal_error.h"

#include <windows.h>

#include <new>

#include "app/event_table.h"
#include "ui/texts.h"

namespace {

// operator new calls this when the heap is exhausted; it never returns.
void onOutOfMemory() {
    reportFatalError(kOutOfMemoryText);
}

}  // namespace

void reportFatalError(const char* message) {
    stopEvents();
    MessageBoxA(nullptr, message, kFatalErrorTitle, MB_OK | MB_ICONERROR);
    ExitProcess(static_cast<UINT>(-1));
}

void installOutOfMemoryReport() {
    std::set_new_handler(onOutOfMemory);
}
