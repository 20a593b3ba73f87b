// How a case reports: every failed check prints at once and marks the run failed; the
// case decides whether it can go on.
#pragma once

#include <string>

// Prints "FAIL: <message>" when the condition is false; returns the condition.
bool check(bool condition, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Progress lines, so a failure's output tells how far the case got.
void note(const char* format, ...) __attribute__((format(printf, 1, 2)));

bool anyCheckFailed();

// GBK text made printable for a UTF-8 log, control characters shown as \xNN.
std::string printable(const std::string& gbk);
