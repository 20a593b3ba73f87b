#include "engine/mapping_jobs.h"

#include "engine/job_texts.h"

void runMapJob(const JobPlatform& platform) {
    runDeletePass(platform.runCommand);

    std::string nodeAddress;
    if (!platform.readNodeAddress(nodeAddress)) {
        return;  // the window is going away with the process
    }
    if (!isSafeNodeAddress(nodeAddress, platform.isLeadByte)) {
        platform.showJobError(kUnsafeAddressText, kMapJobTitle);
        return;
    }

    const int failed = runAddPass(nodeAddress, platform.runCommand);
    if (failed == 0) {
        platform.showJobDone(kMapJobDoneText, kMapJobTitle);
    } else {
        platform.showJobError(addFailureText(failed), kMapJobTitle);
    }
}

void runDeleteJob(const JobPlatform& platform) {
    runDeletePass(platform.runCommand);
    platform.showJobDone(kDeleteJobDoneText, kDeleteJobTitle);
}
