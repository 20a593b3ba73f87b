#include "bench.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "checks.h"
#include "expected_texts.h"
#include "message_boxes.h"
#include "session.h"
#include "standin_logs.h"
#include "waiting.h"
#include "window_finding.h"

namespace {

void sample(const char* figure, double value) {
    std::printf("sample %s %.3f\n", figure, value);
    (void)std::fflush(stdout);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : (n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

// Polls every `everyMs`; returns the time at which `ready` first held, or 0.
template <typename Ready>
double timeWhen(Ready ready, DWORD timeoutMs, DWORD everyMs) {
    const double deadline = nowMs() + timeoutMs;
    while (nowMs() < deadline) {
        if (ready()) {
            return nowMs();
        }
        Sleep(everyMs);
    }
    return 0;
}

// A visible box of the process with this title. FindWindowEx compares the caption that
// Windows keeps, without sending the program a message, so polling it costs the program
// nothing while it works.
HWND visibleBox(DWORD pid, const char* title) {
    for (HWND box = FindWindowExA(nullptr, nullptr, "#32770", title); box != nullptr;
         box = FindWindowExA(nullptr, box, "#32770", title)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(box, &owner);
        if (owner == pid && IsWindowVisible(box)) {
            return box;
        }
    }
    return nullptr;
}

// The floor of one command: "cmd /C" and the netsh stand-in, started hidden in the
// program's folder and waited for, as plainly as a loop can.
double oneFloorCommand(const TestFolder& folder) {
    std::string line = "cmd /C " + deleteArguments(0).insert(0, "netsh ");
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process;
    const double start = nowMs();
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.path.c_str(), &startup,
                        &process)) {
        return 0;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    const double took = nowMs() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return took;
}

// One map job from the click to its box; also reports the click's distance to the first
// command. Returns the wall time, or 0.
double timedMapJob(Session& session) {
    const std::size_t before = netshEvents(readNetshLog(session.folder), "start").size();
    const DWORD pid = pidOf(session);
    HWND box = nullptr;
    const double clicked = nowMs();
    PostMessageA(session.controls.button1, BM_CLICK, 0, 0);
    // Polled gently: the driver must not take the machine from the job it measures.
    const double shown = timeWhen([&] { return (box = visibleBox(pid, kMapTitle)) != nullptr; }, 60000, 5);
    if (!check(shown > 0, "the map job showed no box")) {
        return 0;
    }
    const std::vector<NetshEvent> starts = netshEvents(readNetshLog(session.folder), "start");
    const std::vector<NetshEvent> ends = netshEvents(readNetshLog(session.folder), "end");
    if (check(starts.size() == before + 20 && ends.size() == before + 20, "the map job ran %u commands",
              static_cast<unsigned>(starts.size() - before))) {
        sample("click_to_first_command_ms", starts[before].timeMs - clicked);
        sample("last_command_to_box_ms", shown - ends.back().timeMs);
    }
    check(readBox(box).text == kMapDoneText, "the map job's box reads \"%s\"", readBox(box).text.c_str());
    pressOk(box);
    return shown - clicked;
}

}  // namespace

int runBenchmark() {
    Session session;
    if (!startSession("bench", {}, session)) {
        closeSession(session);
        return 1;
    }
    // Start-up: process start to the notice on screen, notice dismissed to window shown.
    const double started = nowMs();
    const DWORD pid = pidOf(session);
    HWND notice = nullptr;
    const double noticeShown =
        timeWhen([&] { return (notice = visibleBox(pid, kNoticeTitle)) != nullptr; }, 20000, 1);
    if (!check(noticeShown > 0, "no start-up notice")) {
        closeSession(session);
        return 1;
    }
    sample("start_to_notice_ms", noticeShown - started);
    const double dismissed = nowMs();
    PostMessageA(notice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    const HWND main = FindWindowA(nullptr, kMainCaption);
    const double windowShown = timeWhen([&] { return main != nullptr && IsWindowVisible(main); }, 20000, 1);
    if (!check(windowShown > 0, "no main window") || !findMainWindow(session)) {
        closeSession(session);
        return 1;
    }
    sample("notice_to_window_ms", windowShown - dismissed);

    // Map jobs against their floor, measured in turns so both meet the same machine.
    std::vector<double> floorCommands;
    std::vector<double> mapJobs;
    for (int turn = 0; turn < 5; ++turn) {
        for (int i = 0; i < 6; ++i) {
            floorCommands.push_back(oneFloorCommand(session.folder));
        }
        mapJobs.push_back(timedMapJob(session));
    }
    for (double command : floorCommands) {
        sample("floor_command_ms", command);
    }
    const double floor = 20 * median(floorCommands);
    for (double job : mapJobs) {
        sample("map_job_ms", job);
    }
    sample("map_job_floor_ms", floor);
    sample("map_job_to_floor_ratio", median(mapJobs) / floor);

    // Responsiveness while a job with slow commands runs.
    setNetshControl(session.folder, "delay_ms=200\n");
    PostMessageA(session.controls.button1, BM_CLICK, 0, 0);
    double worst = 0;
    for (const double until = nowMs() + 3000; nowMs() < until; Sleep(10)) {
        double roundTrip = 0;
        answers(session.main, 5000, &roundTrip);
        worst = std::max(worst, roundTrip);
    }
    sample("worst_round_trip_ms", worst);

    // Footprint: the program file and the most memory the process has held so far.
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (check(GetProcessMemoryInfo(session.app.info.hProcess, &memory, sizeof memory) != 0,
              "cannot read the program's memory counters")) {
        sample("peak_working_set_kib", static_cast<double>(memory.PeakWorkingSetSize) / 1024);
    }
    WIN32_FILE_ATTRIBUTE_DATA file = {};
    if (GetFileAttributesExA(session.folder.programPath.c_str(), GetFileExInfoStandard, &file)) {
        sample("exe_size_kib", static_cast<double>(file.nFileSizeLow) / 1024);
    }
    closeNormally(session);
    closeSession(session);
    return anyCheckFailed() ? 1 : 0;
}
