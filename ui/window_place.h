// Where the main window goes on the primary screen.
#pragma once

// The left (or top) edge that centres a window of `windowExtent` on a screen of
// `screenExtent`: half the difference, truncated toward zero, negative when the window is
// larger than the screen.
int centredOrigin(int screenExtent, int windowExtent);
