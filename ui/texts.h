// Every fixed text the user sees in the main window, its boxes and the fatal-error box.
// UTF-8 here, GBK bytes in the program.
#pragma once

#include <string>

extern const char* const kWindowCaption;
extern const char* const kMapButtonText;
extern const char* const kDeleteButtonText;
extern const char* const kPortCheckButtonText;
extern const char* const kAddressLabelText;
extern const char* const kAddressPreset;

extern const char* const kStartupNoticeText;
extern const char* const kStartupNoticeTitle;

// The root page of the port-check site that the third button opens.
extern const char* const kPortCheckPageAddress;

// The face of the notes box's default character format.
extern const char* const kNotesFaceName;

extern const char* const kFatalErrorTitle;
extern const char* const kOutOfMemoryText;
extern const char* const kWindowNotBuiltText;

// The usage notes: fifteen lines joined by CR LF, no break after the last.
std::string notesText();
