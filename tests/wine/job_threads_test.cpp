// Whole jobs on their own threads: the real runner, address read and boxes, with the
// recording cmd.exe stand-in beside the test program.
#include "engine/win32/job_threads.h"

#include <gtest/gtest.h>

#include "engine/job_texts.h"
#include "engine/port_rules.h"
#include "engine/win32/node_address_box.h"
#include "tests/wine/wine_test_support.h"

namespace {

struct BoxWait {
    std::string title;
    HWND box = nullptr;
};

bool boxShown(void* context) {
    auto* wait = static_cast<BoxWait*>(context);
    wait->box = findBox(wait->title);
    return wait->box != nullptr;
}

bool windowGone(void* context) {
    return !IsWindow(static_cast<HWND>(context));
}

class JobThreads : public ::testing::Test {
  protected:
    void SetUp() override {
        resetStandIn();
        box = CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 144, 48, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(box, nullptr);
        setNodeAddressBox(box);
    }
    void TearDown() override {
        DestroyWindow(box);
        setNodeAddressBox(nullptr);
    }

    // Waits for the job's box, reads it, presses OK and waits for it to go.
    BoxContents finishJob(const std::string& title) {
        BoxWait wait = {title, nullptr};
        EXPECT_TRUE(pumpUntil(boxShown, &wait, 20000)) << "no box titled " << title;
        if (wait.box == nullptr) {
            return {};
        }
        BoxContents contents = readBox(wait.box);
        pressOk(wait.box);
        EXPECT_TRUE(pumpUntil(windowGone, wait.box, 5000));
        return contents;
    }

    static std::vector<std::string> deleteLines() {
        std::vector<std::string> lines;
        for (int i = 0; i < kPortCount; ++i) {
            lines.push_back("cmd /C " + buildDeleteCommand(i));
        }
        return lines;
    }

    HWND box = nullptr;
};

}  // namespace

TEST_F(JobThreads, DeleteJobReturnsAtOnceAndEndsWithItsPlainBox) {
    setStandInDelay(50);
    const DWORD start = GetTickCount();
    startDeleteJob();
    EXPECT_LT(GetTickCount() - start, 200u);  // ten commands of 50 ms run elsewhere

    const BoxContents shown = finishJob(kDeleteJobTitle);
    EXPECT_EQ(shown.text, kDeleteJobDoneText);
    EXPECT_FALSE(shown.hasIcon);
    EXPECT_EQ(startedLines(readStandInRecords()), deleteLines());
}

TEST_F(JobThreads, MapJobAddsForTheAddressInTheBox) {
    SetWindowTextA(box, "10.0.0.7");
    startMapJob();
    const BoxContents shown = finishJob(kMapJobTitle);
    EXPECT_EQ(shown.text, kMapJobDoneText);
    EXPECT_FALSE(shown.hasIcon);

    std::vector<std::string> expected = deleteLines();
    for (int i = 0; i < kPortCount; ++i) {
        expected.push_back("cmd /C " + buildAddCommand(i, "10.0.0.7"));
    }
    EXPECT_EQ(startedLines(readStandInRecords()), expected);
}

TEST_F(JobThreads, MapJobShowsAnErrorBoxWithTheCountOfFailedAdds) {
    SetWindowTextA(box, "10.0.0.7");
    setStandInFailure("add v4tov4 listenport=3140");  // every add fails, deletes succeed
    startMapJob();
    const BoxContents shown = finishJob(kMapJobTitle);
    EXPECT_EQ(shown.text, addFailureText(10));
    EXPECT_TRUE(shown.hasIcon);
}

TEST_F(JobThreads, MapJobRunsNoAddForAnAddressTheInterpreterWouldActOn) {
    SetWindowTextA(box, "10.0.0.7 & echo injected");
    startMapJob();
    const BoxContents shown = finishJob(kMapJobTitle);
    EXPECT_EQ(shown.text, kUnsafeAddressText);
    EXPECT_TRUE(shown.hasIcon);
    EXPECT_EQ(startedLines(readStandInRecords()), deleteLines());
}
