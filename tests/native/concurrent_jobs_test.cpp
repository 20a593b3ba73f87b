// Jobs really running at the same time on threads of their own, as clicks in quick
// succession make them: each job's commands stay in order and every job ends with its
// own box. Under ThreadSanitizer this also shows the engine shares nothing unguarded.
#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/job_texts.h"
#include "engine/mapping_jobs.h"
#include "engine/port_rules.h"

namespace {

// What each job did, shared by all job threads.
struct JobLog {
    std::mutex lock;
    std::map<int, std::vector<std::string>> perJob;  // job number -> its commands
    std::map<int, std::string> boxes;                // job number -> its box title
};

JobLog* jobLog = nullptr;
thread_local int jobNumber = -1;
thread_local std::string jobAddress;

bool recordCommand(const std::string& command) {
    std::lock_guard<std::mutex> guard(jobLog->lock);
    jobLog->perJob[jobNumber].push_back(command);
    return true;
}

bool readAddress(std::string& address) {
    address = jobAddress;
    return true;
}

void recordBox(const std::string&, const std::string& title) {
    std::lock_guard<std::mutex> guard(jobLog->lock);
    jobLog->boxes[jobNumber] = title;
}

const JobPlatform kRecordingPlatform = {recordCommand, readAddress, recordBox, recordBox, isGbkLeadByte};

}  // namespace

TEST(ConcurrentJobs, MixedJobsEachRunTheirOwnCommandsInOrderAndShowTheirBox) {
    JobLog shared;
    jobLog = &shared;
    constexpr int kJobs = 20;
    std::vector<std::thread> threads;
    for (int job = 0; job < kJobs; ++job) {
        threads.emplace_back([job] {
            jobNumber = job;
            jobAddress = "10.0.0." + std::to_string(job);
            if (job % 3 == 2) {
                runDeleteJob(kRecordingPlatform);
            } else {
                runMapJob(kRecordingPlatform);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }

    ASSERT_EQ(shared.boxes.size(), static_cast<std::size_t>(kJobs));
    for (int job = 0; job < kJobs; ++job) {
        const bool deleteJob = job % 3 == 2;
        EXPECT_EQ(shared.boxes[job], deleteJob ? kDeleteJobTitle : kMapJobTitle);
        std::vector<std::string> expected;
        for (int i = 0; i < kPortCount; ++i) {
            expected.push_back(buildDeleteCommand(i));
        }
        for (int i = 0; !deleteJob && i < kPortCount; ++i) {
            expected.push_back(buildAddCommand(i, "10.0.0." + std::to_string(job)));
        }
        EXPECT_EQ(shared.perJob[job], expected) << "job " << job;
    }

    jobLog = nullptr;
}
