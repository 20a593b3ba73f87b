// The boxes that end a mapping job, shown on the job's own thread with no owner.
#pragma once

#include <string>

// One OK button, no icon, task-modal: the job's thread owns no window, so nothing is
// disabled and the main window stays usable while the box stands.
void showJobDone(const std::string& text, const std::string& title);

// The same box with the error icon.
void showJobError(const std::string& text, const std::string& title);
