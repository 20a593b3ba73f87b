// The steps of the map job and the delete job, over the Windows calls they need.
#pragma once

#include <string>

#include "engine/address_check.h"
#include "engine/command_passes.h"

// What a job needs from Windows. The Windows side fills it with the real calls;
// tests fill it with recording stand-ins.
struct JobPlatform {
    CommandRunner runCommand;
    // Reads the node address box into `address`; false when the box is gone.
    bool (*readNodeAddress)(std::string& address);
    // A plain box with one OK button, on the job's own thread, until dismissed.
    void (*showJobDone)(const std::string& text, const std::string& title);
    // The same box with the error icon.
    void (*showJobError)(const std::string& text, const std::string& title);
    LeadBytePredicate isLeadByte;
};

// Delete pass; then one read of the node address; then the add pass with that copy;
// then the box that says how it went. A box that is gone ends the job silently, and an
// address the command interpreter would act on is never put into a command.
void runMapJob(const JobPlatform& platform);

// Delete pass, then the completion box.
void runDeleteJob(const JobPlatform& platform);
