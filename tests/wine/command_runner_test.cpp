// The command runner and the passes against the recording cmd.exe stand-in.
#include "engine/win32/command_runner.h"

#include <gtest/gtest.h>

#include "engine/command_passes.h"
#include "engine/port_rules.h"
#include "tests/wine/wine_test_support.h"

class CommandRunnerTest : public ::testing::Test {
  protected:
    void SetUp() override { resetStandIn(); }
};

TEST_F(CommandRunnerTest, HandsCreateProcessTheExactLineAndStartsItHidden) {
    EXPECT_TRUE(runCommand(buildDeleteCommand(0)));
    const std::vector<std::string> expected = {
        "begin flags=1 show=0 cmd /C netsh interface portproxy del v4tov4 listenport=31400",
        "end",
    };
    EXPECT_EQ(readStandInRecords(), expected);  // STARTF_USESHOWWINDOW, SW_HIDE
}

TEST_F(CommandRunnerTest, WaitsForTheProcessToEnd) {
    setStandInDelay(300);
    const DWORD start = GetTickCount();
    runCommand(buildDeleteCommand(1));
    EXPECT_GE(GetTickCount() - start, 250u);
    const auto records = readStandInRecords();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back(), "end");
}

TEST_F(CommandRunnerTest, ReportsANonZeroExitCodeAsFailure) {
    setStandInFailure("listenport=31402");
    EXPECT_FALSE(runCommand(buildDeleteCommand(2)));
    EXPECT_TRUE(runCommand(buildDeleteCommand(3)));
}

TEST_F(CommandRunnerTest, ALineTooLongToStartFailsAtOnce) {
    const DWORD start = GetTickCount();
    EXPECT_FALSE(runCommand(buildAddCommand(0, std::string(40000, '1'))));
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_TRUE(readStandInRecords().empty());
}

TEST_F(CommandRunnerTest, PassRunsTenCommandsInOrderNeverOverlapping) {
    setStandInDelay(30);
    runDeletePass(runCommand);
    const auto records = readStandInRecords();
    ASSERT_EQ(records.size(), 20u);
    for (int i = 0; i < kPortCount; ++i) {
        EXPECT_EQ(records[2 * i], "begin flags=1 show=0 cmd /C " + buildDeleteCommand(i));
        EXPECT_EQ(records[2 * i + 1], "end") << "command " << i << " overlapped the next";
    }
}

TEST_F(CommandRunnerTest, AddPassCountsCommandsThatFailed) {
    setStandInFailure("connectport=31405");
    EXPECT_EQ(runAddPass("10.0.0.7", runCommand), 1);
    const auto lines = startedLines(readStandInRecords());
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[9], "cmd /C " + buildAddCommand(9, "10.0.0.7"));
}

TEST_F(CommandRunnerTest, AddPassCountsLinesThatCannotStartAndGoesOn) {
    EXPECT_EQ(runAddPass(std::string(40000, '1'), runCommand), 10);
    EXPECT_TRUE(readStandInRecords().empty());
}
