// The program works in its own folder, wherever it was started from.
#pragma once

// Makes the folder of the program file the current directory; a failure is ignored.
void moveToExeFolder();
