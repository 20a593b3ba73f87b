#include "app/event_table.h"

#include <atomic>

#include "engine/win32/job_threads.h"
#include "ui/layout.h"
#include "ui/win32/window_handlers.h"

namespace {

const EventEntry kEventTable[] = {
    {kMainWindowSource, EventKind::Created, showStartupNotice},
    {kMapButtonId, EventKind::Clicked, startMapJob},
    {kDeleteButtonId, EventKind::Clicked, startDeleteJob},
    {kPortCheckButtonId, EventKind::Clicked, openPortCheckPage},
};

// Set from whichever thread begins the end; read on the window's thread.
std::atomic<bool> eventsStopped{false};

}  // namespace

void raiseEvent(int source, EventKind kind) {
    dispatchEvent(kEventTable, sizeof kEventTable / sizeof kEventTable[0], source, kind,
                  eventsStopped.load());
}

void stopEvents() {
    eventsStopped.store(true);
}
