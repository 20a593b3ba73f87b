// The box of numbered usage notes: a rich edit control the user may scroll and edit.
#pragma once

#include <windows.h>

// Loads the rich edit library (2.0, else 1.0) once, makes the box and fills it with the
// notes; null when neither library is there or the box cannot be made.
HWND createNotesBox(HWND parent);
