// Runs one command line hidden through the command interpreter and waits for its end.
#pragma once

#include <string>

// Starts "cmd /C " + command as a hidden process and returns when it has ended.
// True when the process started and ended with exit code 0; a process that cannot be
// started (a missing interpreter, a line too long for CreateProcessA) returns false at once.
bool runCommand(const std::string& command);
