#include "ui/tab_order.h"

int tabOrderStep(const bool* candidate, int count, int current, bool backward) {
    if (current < 0 || current >= count) {
        return -1;
    }
    const int step = backward ? count - 1 : 1;  // one back is count - 1 forward
    for (int moved = 1; moved <= count; ++moved) {
        const int place = (current + moved * step) % count;
        if (candidate[place]) {
            return place;
        }
    }
    return -1;
}

int firstTabStop(const bool* candidate, int count) {
    for (int place = 0; place < count; ++place) {
        if (candidate[place]) {
            return place;
        }
    }
    return -1;
}
