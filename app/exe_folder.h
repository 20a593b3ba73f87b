// The folder of the program file, as the working directory the program moves to.
#pragma once

#include <string>

#include "engine/address_check.h"

// The part of `exePath` before its last backslash. A drive root keeps its backslash
// ("C:\"), since "C:" alone names the drive's current directory. Backslash bytes inside
// double-byte characters of the code page are not separators. Empty when there is none.
std::string exeFolder(const std::string& exePath, LeadBytePredicate isLeadByte);
