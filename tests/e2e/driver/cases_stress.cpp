// Many jobs at once, closing while jobs run, and a command that never ends.
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app_process.h"
#include "cases.h"
#include "checks.h"
#include "expected_texts.h"
#include "job_watch.h"
#include "keys.h"
#include "message_boxes.h"
#include "session.h"
#include "standin_files.h"
#include "waiting.h"
#include "window_finding.h"

namespace {

// The effect of the last command that ended for each port: its rule after an add, no rule
// after a delete. The stand-in logs each end in the same locked step as its table update,
// so the log's end order is the order in which the table changed.
PortProxyTable lastCommandPerPort(const std::vector<NetshEvent>& events) {
    std::map<std::string, PortProxyCommand> last;
    for (const NetshEvent& event : netshEvents(events, "end")) {
        const PortProxyCommand command = parsePortProxyCommand(splitWords(event.arguments));
        if (command.valid) {
            last[command.listenPort] = command;
        }
    }
    PortProxyTable table;
    for (const auto& [port, command] : last) {
        if (command.verb == "add") {
            table[port] = PortProxyRule{command.connectAddress, command.connectPort};
        }
    }
    return table;
}

std::string describe(const PortProxyTable& table) {
    std::string text;
    for (const auto& [port, rule] : table) {
        text += port + "->" + rule.connectAddress + ":" + rule.connectPort + " ";
    }
    return text.empty() ? "(empty)" : text;
}

}  // namespace

void caseManyJobs() {
    Session session;
    SessionOptions options;
    options.netshControl = "delay_ms=20\n";
    if (!openSession("many_jobs", options, session)) {
        closeSession(session);
        return;
    }
    const DWORD pid = pidOf(session);
    // Twenty clicks in quick succession, both buttons mixed.
    const char* const pattern = "12211212122112121221";
    int mapJobs = 0;
    int deleteJobs = 0;
    for (const char* c = pattern; *c != '\0'; ++c) {
        const bool map = *c == '1';
        check(clickButton(map ? session.controls.button1 : session.controls.button2),
              "click %d was not taken", static_cast<int>(c - pattern) + 1);
        (map ? mapJobs : deleteJobs)++;
        Sleep(30);
    }
    // Every job ends in a box of its own; the window answers all along.
    int unanswered = 0;
    double worst = 0;
    const bool allBoxes = waitFor(
        [&] {
            double roundTrip = 0;
            if (!answers(session.main, 3000, &roundTrip)) {
                ++unanswered;
            }
            worst = std::max(worst, roundTrip);
            return static_cast<int>(findBoxes(pid, kMapTitle).size()) == mapJobs &&
                   static_cast<int>(findBoxes(pid, kDeleteTitle).size()) == deleteJobs;
        },
        120000);
    note("worst WM_NULL round trip while %d jobs ran: %.1f ms", mapJobs + deleteJobs, worst);
    check(unanswered == 0, "the window left %d WM_NULL round trips unanswered while the jobs ran",
          unanswered);
    check(allBoxes, "%u map boxes and %u delete boxes, expected %d and %d",
          static_cast<unsigned>(findBoxes(pid, kMapTitle).size()),
          static_cast<unsigned>(findBoxes(pid, kDeleteTitle).size()), mapJobs, deleteJobs);
    check(isRunning(session.app), "the program ended while the jobs ran");

    const std::vector<NetshEvent> events = readNetshLog(session.folder);
    const std::vector<NetshEvent> starts = netshEvents(events, "start");
    check(starts.size() == static_cast<std::size_t>(mapJobs * 20 + deleteJobs * 10),
          "%u commands ran, expected %d", static_cast<unsigned>(starts.size()),
          mapJobs * 20 + deleteJobs * 10);
    check(netshEvents(events, "end").size() == starts.size(), "a command did not end");
    for (int i = 0; i < 10; ++i) {
        const auto count = [&](const std::string& arguments) {
            return std::count_if(starts.begin(), starts.end(),
                                 [&](const NetshEvent& e) { return e.arguments == arguments; });
        };
        check(count(deleteArguments(i)) == mapJobs + deleteJobs,
              "port 3140%d was deleted %d times, expected %d", i, static_cast<int>(count(deleteArguments(i))),
              mapJobs + deleteJobs);
        check(count(addArguments(i, kPresetAddress)) == mapJobs,
              "port 3140%d was added %d times, expected %d", i,
              static_cast<int>(count(addArguments(i, kPresetAddress))), mapJobs);
    }
    const PortProxyTable table = readPortProxyTable(session.folder);
    const PortProxyTable expected = lastCommandPerPort(events);
    check(describe(table) == describe(expected), "the table is %s, but the last command per port left %s",
          describe(table).c_str(), describe(expected).c_str());
    note("table after the jobs: %s", describe(table).c_str());

    for (const char* title : {kMapTitle, kDeleteTitle}) {
        for (HWND box : findBoxes(pid, title)) {
            const BoxContent content = readBox(box);
            check(content.text == (title == kMapTitle ? kMapDoneText : kDeleteDoneText) && !content.hasIcon,
                  "a %s box reads \"%s\"", title, content.text.c_str());
            check(pressOk(box), "a %s box did not go on OK", title);
        }
    }
    check(answers(session.main, 2000), "the window does not answer after the boxes went");
    closeNormally(session);
    closeSession(session);
}

void caseCloseDuringJobs() {
    Session session;
    SessionOptions options;
    options.netshControl = "delay_ms=3000\n";
    if (!openSession("close_during_jobs", options, session)) {
        closeSession(session);
        return;
    }
    clickButton(session.controls.button1);
    clickButton(session.controls.button2);
    clickButton(session.controls.button1);
    check(waitForNetshEvents(session.folder, "start", 3, 15000),
          "the three jobs did not start their commands");
    const std::size_t startedBeforeClose = netshEvents(readNetshLog(session.folder), "start").size();
    check(netshEvents(readNetshLog(session.folder), "end").empty(), "a slow command ended already");

    // Esc closes at once: nothing waits for the jobs or their commands.
    bringToFront(session.main);
    pressKey(VK_ESCAPE);
    const double closed = nowMs();
    expectExit(session, 1500, 0, "Esc with three jobs running");
    note("the program ended %.0f ms after Esc", nowMs() - closed);
    check(countRunning(session.folder, "netsh.exe") > 0, "the running commands ended with the program");

    // The commands already running finish on their own; no further one starts.
    check(waitForNetshEvents(session.folder, "end", startedBeforeClose, 15000),
          "the commands that ran at the close did not finish on their own");
    Sleep(1000);
    const std::vector<NetshEvent> events = readNetshLog(session.folder);
    check(netshEvents(events, "start").size() == startedBeforeClose, "%u commands started after the close",
          static_cast<unsigned>(netshEvents(events, "start").size() - startedBeforeClose));
    for (const NetshEvent& end : netshEvents(events, "end")) {
        check(end.arguments.find(" add ") == std::string::npos, "an add ran although the program had closed");
    }
    check(findBoxes(pidOf(session), nullptr).empty(), "a box of the program is on screen after it ended");
    closeSession(session);
}

void caseHangingCommand() {
    Session session;
    SessionOptions options;
    options.netshControl = "hang=del:31403\n";
    if (!openSession("hanging_command", options, session)) {
        closeSession(session);
        return;
    }
    const DWORD pid = pidOf(session);
    // The first job meets the command that never ends and waits there for good.
    clickButton(session.controls.button1);
    check(waitFor([&] { return fileExists(folderFile(session.folder, kNetshHangUsedName)); }, 15000),
          "the first job never reached port 31403");
    // The window, and jobs started after it, go on.
    check(answers(session.main, 2000), "the window does not answer while a command hangs");
    clickButton(session.controls.button2);
    HWND box = waitForBox(pid, kDeleteTitle, 30000);
    if (check(box != nullptr, "a delete job started beside the hanging job did not finish")) {
        check(pressOk(box), "the delete job's box did not go on OK");
    }
    clickButton(session.controls.button1);
    box = waitForBox(pid, kMapTitle, 40000);
    if (check(box != nullptr, "a map job started beside the hanging job did not finish")) {
        check(readBox(box).text == kMapDoneText, "the second map job's box reads \"%s\"",
              readBox(box).text.c_str());
        check(pressOk(box), "the map job's box did not go on OK");
    }
    Sleep(500);
    check(findBoxes(pid, kMapTitle).empty(), "the hanging job showed a box");
    check(countRunning(session.folder, "netsh.exe") == 1, "%d netsh processes run, expected the hanging one",
          countRunning(session.folder, "netsh.exe"));
    const std::vector<std::string> commands = startedCommands(session.folder);
    const auto adds = std::count_if(commands.begin(), commands.end(), [](const std::string& c) {
        return c.find(" add ") != std::string::npos;
    });
    check(adds == 10, "%d adds ran, expected only the second map job's ten", static_cast<int>(adds));
    // Closing does not wait for the hanging job either.
    PostMessageA(session.main, WM_CLOSE, 0, 0);
    expectExit(session, 2000, 0, "closing with a command that never ends");
    check(countRunning(session.folder, "netsh.exe") == 1, "the hanging command did not outlive the program");
    closeSession(session);
}
