// The program's own texts as a user sees them (GBK, like the program's).
#pragma once

#include <string>

extern const char* const kMainCaption;
extern const char* const kNoticeTitle;
extern const char* const kNoticeText;
extern const char* const kMapTitle;
extern const char* const kMapDoneText;
extern const char* const kDeleteTitle;
extern const char* const kDeleteDoneText;
extern const char* const kUnsafeAddressText;
extern const char* const kPresetAddress;

// The map job's error box when `failed` of its ten adds failed.
std::string addFailedText(int failed);

// The delete and add commands as netsh gets them, for port index 0..9.
std::string deleteArguments(int portIndex);
std::string addArguments(int portIndex, const std::string& address);
