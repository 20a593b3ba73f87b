#include "engine/mapping_jobs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/job_texts.h"
#include "engine/port_rules.h"

namespace {

// A recording stand-in for Windows: every call the job makes, in order.
struct Recording {
    std::vector<std::string> events;
    std::string boxAddress = "192.168.30.10";
    bool boxGone = false;
    // Commands containing this text fail; empty fails nothing.
    std::string failingPart;
    // The box's text is changed to this after the n-th command (0: never).
    int changeAfterCommand = 0;
    std::string changedAddress;
    int commandsRun = 0;
};

Recording* recording = nullptr;

bool recordCommand(const std::string& command) {
    recording->events.push_back("run " + command);
    if (++recording->commandsRun == recording->changeAfterCommand) {
        recording->boxAddress = recording->changedAddress;
    }
    return recording->failingPart.empty() || command.find(recording->failingPart) == std::string::npos;
}

bool recordRead(std::string& address) {
    recording->events.push_back("read");
    if (recording->boxGone) {
        return false;
    }
    address = recording->boxAddress;
    return true;
}

void recordDone(const std::string& text, const std::string& title) {
    recording->events.push_back("done " + title + " " + text);
}

void recordError(const std::string& text, const std::string& title) {
    recording->events.push_back("error " + title + " " + text);
}

const JobPlatform kRecordingPlatform = {recordCommand, recordRead, recordDone, recordError, isGbkLeadByte};

class MappingJobs : public ::testing::Test {
  protected:
    void SetUp() override { recording = &rec; }
    void TearDown() override { recording = nullptr; }

    static std::vector<std::string> deletePass() {
        std::vector<std::string> events;
        for (int i = 0; i < kPortCount; ++i) {
            events.push_back("run " + buildDeleteCommand(i));
        }
        return events;
    }

    static std::vector<std::string> addPass(const std::string& address) {
        std::vector<std::string> events;
        for (int i = 0; i < kPortCount; ++i) {
            events.push_back("run " + buildAddCommand(i, address));
        }
        return events;
    }

    // What a map job that went well does, for this address.
    static std::vector<std::string> successfulMapJob(const std::string& address) {
        return join({deletePass(),
                     {"read"},
                     addPass(address),
                     {std::string("done ") + kMapJobTitle + " " + kMapJobDoneText}});
    }

    static std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (const auto& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    }

    Recording rec;
};

}  // namespace

TEST_F(MappingJobs, MapJobDeletesThenReadsOnceThenAddsThenSaysDone) {
    runMapJob(kRecordingPlatform);
    EXPECT_EQ(rec.events, successfulMapJob("192.168.30.10"));
}

TEST_F(MappingJobs, MapJobTakesTheAddressAsItStandsAfterTheDeletePass) {
    rec.changeAfterCommand = 4;  // typed while the delete pass runs
    rec.changedAddress = "10.1.2.3";
    runMapJob(kRecordingPlatform);
    ASSERT_EQ(rec.events.size(), 22u);
    EXPECT_EQ(rec.events[11], "run " + buildAddCommand(0, "10.1.2.3"));
    EXPECT_EQ(rec.events[20], "run " + buildAddCommand(9, "10.1.2.3"));
}

TEST_F(MappingJobs, MapJobUsesOneCopyOfTheAddressForAllTenAdds) {
    rec.changeAfterCommand = 13;  // changed during the add pass: too late for this job
    rec.changedAddress = "10.9.9.9";
    runMapJob(kRecordingPlatform);
    EXPECT_EQ(rec.events, successfulMapJob("192.168.30.10"));
}

TEST_F(MappingJobs, MapJobRunsEmptyAndBlankAddressesUnchanged) {
    for (const std::string address : {"", " 192.168.30.10 ", "\xBD\xDA\xB5\xE3"}) {
        rec = Recording();
        rec.boxAddress = address;
        runMapJob(kRecordingPlatform);
        EXPECT_EQ(rec.events, successfulMapJob(address)) << "address [" << address << "]";
    }
}

TEST_F(MappingJobs, MapJobPutsNoUnsafeAddressIntoACommand) {
    for (const std::string address : {"1.2.3.4 & del x", "1.2.3.4|calc", "%COMSPEC%", "a\nb", "\xBD\xDA\"x\"",
                                      "1.2.3.4!", "^", "<", ">"}) {
        rec = Recording();
        rec.boxAddress = address;
        runMapJob(kRecordingPlatform);
        const auto expected =
            join({deletePass(), {"read"}, {std::string("error ") + kMapJobTitle + " " + kUnsafeAddressText}});
        EXPECT_EQ(rec.events, expected) << "address [" << address << "]";
    }
}

TEST_F(MappingJobs, MapJobReportsHowManyAddsFailed) {
    struct FailCase {
        std::string failingPart;
        int failed;
    };
    const FailCase cases[] = {
        {"add v4tov4 listenport=31407", 1},
        {"add v4tov4", 10},
        {"del v4tov4", 0},  // failed deletes say nothing: the rule may simply not exist
    };
    for (const FailCase& c : cases) {
        rec = Recording();
        rec.failingPart = c.failingPart;
        runMapJob(kRecordingPlatform);
        ASSERT_EQ(rec.events.size(), 22u) << c.failingPart;
        const std::string box = c.failed == 0
                                    ? std::string("done ") + kMapJobTitle + " " + kMapJobDoneText
                                    : std::string("error ") + kMapJobTitle + " " + addFailureText(c.failed);
        EXPECT_EQ(rec.events.back(), box) << c.failingPart;
    }
}

TEST_F(MappingJobs, FailureTextCarriesTheCountInDecimal) {
    EXPECT_EQ(addFailureText(3),
              "一键添加映射未全部成功：10 条映射中有 3 条添加失败。请以管理员身份运行本程序，"
              "并检查节点IP是否正确。");
    EXPECT_NE(addFailureText(10).find("10 条映射中有 10 条添加失败"), std::string::npos);
}

TEST_F(MappingJobs, MapJobStopsSilentlyWhenTheBoxIsGone) {
    rec.boxGone = true;
    runMapJob(kRecordingPlatform);
    EXPECT_EQ(rec.events, join({deletePass(), {"read"}}));
}

TEST_F(MappingJobs, MapJobCountsAVeryLongAddressThatCannotStartAsFailed) {
    // A line over CreateProcessA's limit cannot start: the runner says false for it.
    rec.boxAddress = std::string(40000, '1');
    rec.failingPart = rec.boxAddress;
    runMapJob(kRecordingPlatform);
    ASSERT_EQ(rec.events.size(), 22u);
    EXPECT_EQ(rec.events[11], "run " + buildAddCommand(0, rec.boxAddress));
    EXPECT_EQ(rec.events.back(), std::string("error ") + kMapJobTitle + " " + addFailureText(10));
}

TEST_F(MappingJobs, DeleteJobDeletesAllTenAndSaysDoneWhateverTheBoxHolds) {
    rec.boxAddress = "1.2.3.4 & del x";
    rec.failingPart = "del";
    runDeleteJob(kRecordingPlatform);
    const auto expected =
        join({deletePass(), {std::string("done ") + kDeleteJobTitle + " " + kDeleteJobDoneText}});
    EXPECT_EQ(rec.events, expected);
}
