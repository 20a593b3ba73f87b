// The texts and titles of the boxes that end a mapping job (GBK in the program).
#pragma once

#include <string>

extern const char* const kMapJobTitle;
extern const char* const kMapJobDoneText;
extern const char* const kDeleteJobTitle;
extern const char* const kDeleteJobDoneText;
extern const char* const kUnsafeAddressText;

// The map job's box when some of its ten add commands failed.
std::string addFailureText(int failedCount);
