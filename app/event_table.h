// The program's fixed event table and the switch that stops all events at the end.
#pragma once

#include "app/event_dispatch.h"

// Runs the handler that the table gives for this event, on the calling (window's) thread,
// unless events have been stopped.
void raiseEvent(int source, EventKind kind);

// From now on no event reaches a handler: the process is ending.
void stopEvents();
