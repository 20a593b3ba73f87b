// The one error report of the program: a box, then the end of the process.
#pragma once

// Stops all events, shows `message` with the error icon (no owner, not task-modal) on the
// calling thread and, once it is dismissed, ends the process with exit code -1.
[[noreturn]] void reportFatalError(const char* message);

// Makes a failed allocation on any thread, the job threads included, end in the report.
void installOutOfMemoryReport();
