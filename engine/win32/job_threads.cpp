#include "engine/win32/job_threads.h"

#include <windows.h>

#include "engine/mapping_jobs.h"
#include "engine/win32/command_runner.h"
#include "engine/win32/job_boxes.h"
#include "engine/win32/node_address_box.h"

namespace {

bool isAnsiLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

const JobPlatform windowsJobPlatform = {
    runCommand, readNodeAddress, showJobDone, showJobError, isAnsiLeadByte,
};

DWORD WINAPI mapJobEntry(LPVOID) {
    runMapJob(windowsJobPlatform);
    return 0;
}

DWORD WINAPI deleteJobEntry(LPVOID) {
    runDeleteJob(windowsJobPlatform);
    return 0;
}

// The handle is closed at once: nothing ever waits for a job.
void startDetachedThread(LPTHREAD_START_ROUTINE entry) {
    DWORD threadId = 0;
    const HANDLE thread = CreateThread(nullptr, 0, entry, nullptr, 0, &threadId);
    if (thread != nullptr) {
        CloseHandle(thread);
    }
}

}  // namespace

void startMapJob() {
    startDetachedThread(mapJobEntry);
}

void startDeleteJob() {
    startDetachedThread(deleteJobEntry);
}
