#include "ui/window_place.h"

int centredOrigin(int screenExtent, int windowExtent) {
    return (screenExtent - windowExtent) / 2;  // C++ division truncates toward zero
}
