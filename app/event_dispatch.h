// The event table: which handler answers which event of the main window and its buttons.
#pragma once

#include <cstddef>

enum class EventKind {
    Created,  // the main window and its controls exist, before it is shown
    Clicked,  // a button reported BN_CLICKED
};

// The main window itself as an event source; its controls are named by their identifiers.
constexpr int kMainWindowSource = 0;

struct EventEntry {
    int source;
    EventKind kind;
    void (*handler)();
};

// Runs the handler of the entry for this source and kind, if there is one and events are
// not stopped. True when a handler ran.
bool dispatchEvent(const EventEntry* table, std::size_t count, int source, EventKind kind, bool stopped);
