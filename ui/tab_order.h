// Choosing the control that Tab or Shift+Tab moves the focus to.
#pragma once

// From the control at `current` in a tab order of `count` places, the place of the next
// (or, going backward, the previous) place whose `candidate` flag is set, wrapping around.
// The current place itself counts only when no other place is a candidate. -1 when
// `current` is outside the order or no place is a candidate.
int tabOrderStep(const bool* candidate, int count, int current, bool backward);

// The place of the first candidate, or -1 when there is none.
int firstTabStop(const bool* candidate, int count);
