#include "app/event_dispatch.h"

bool dispatchEvent(const EventEntry* table, std::size_t count, int source, EventKind kind, bool stopped) {
    if (stopped) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (table[i].source == source && table[i].kind == kind) {
            table[i].handler();
            return true;
        }
    }
    return false;
}
