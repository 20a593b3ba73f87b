// The map and delete jobs as the stand-ins saw them: exact command lines, order, hidden
// interpreter, working folder, boxes; the node address as read after the delete pass;
// the checks that keep unsafe addresses out and report failed adds; the page.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cases.h"
#include "checks.h"
#include "expected_texts.h"
#include "job_watch.h"
#include "message_boxes.h"
#include "session.h"
#include "standin_files.h"
#include "waiting.h"
#include "window_finding.h"

namespace {

bool sameFolder(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// Checks one box against what a job should show, then presses its OK.
void expectBox(HWND box, const char* title, const std::string& text, bool errorIcon) {
    const BoxContent content = readBox(box);
    check(content.title == title, "box title \"%s\", expected \"%s\"", content.title.c_str(), title);
    check(content.text == text, "box text \"%s\", expected \"%s\"", content.text.c_str(), text.c_str());
    check(content.hasIcon == errorIcon, errorIcon ? "the box has no error icon" : "the box shows an icon");
    check(content.buttonIds == std::vector<int>{IDOK}, "the box has other buttons than one OK");
    check(content.owner == nullptr, "the box has an owner window");
    check(pressOk(box), "the box did not go on OK");
}

// The interpreter processes as the cmd stand-in saw them: exact lines, hidden, in the
// program's folder, each ended before the next started.
void checkInterpreterRuns(const Session& session, const std::vector<std::string>& expectedNetsh) {
    const std::vector<CmdEvent> events = readCmdLog(session.folder);
    const std::vector<CmdEvent> starts = cmdEvents(events, "start");
    std::vector<std::string> lines;
    for (const CmdEvent& start : starts) {
        lines.push_back(start.commandLine);
    }
    std::vector<std::string> expectedLines;
    for (const std::string& netsh : expectedNetsh) {
        expectedLines.push_back("cmd /C netsh " + netsh);
    }
    checkCommands(lines, expectedLines, "interpreter command lines");
    for (const CmdEvent& start : starts) {
        check((start.startupFlags & STARTF_USESHOWWINDOW) && start.showWindow == SW_HIDE,
              "interpreter started with flags %08lX and show %u, not hidden", start.startupFlags,
              start.showWindow);
        check(sameFolder(start.folder, session.folder.path),
              "interpreter ran in %s, not in the program's folder %s", start.folder.c_str(),
              session.folder.path.c_str());
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (!check(events[i].kind == (i % 2 == 0 ? "start" : "end"),
                   "interpreter processes overlap: event %u is a %s", static_cast<unsigned>(i + 1),
                   events[i].kind.c_str())) {
            break;
        }
    }
}

PortProxyTable tenRules(const std::string& address) {
    PortProxyTable table;
    for (int i = 0; i < 10; ++i) {
        const std::string port = "3140" + std::to_string(i);
        table[port] = PortProxyRule{address, port};
    }
    return table;
}

void checkTable(const Session& session, const PortProxyTable& expected, const char* when) {
    const PortProxyTable table = readPortProxyTable(session.folder);
    check(table.size() == expected.size(), "%s: the port-proxy table holds %u rules, expected %u", when,
          static_cast<unsigned>(table.size()), static_cast<unsigned>(expected.size()));
    for (const auto& [port, rule] : expected) {
        const auto found = table.find(port);
        check(found != table.end() && found->second.connectAddress == rule.connectAddress &&
                  found->second.connectPort == rule.connectPort,
              "%s: rule for %s is %s, expected %s:%s", when, port.c_str(),
              found == table.end() ? "missing"
                                   : (found->second.connectAddress + ":" + found->second.connectPort).c_str(),
              rule.connectAddress.c_str(), rule.connectPort.c_str());
    }
}

// The commands started since the first `from` of the log.
std::vector<std::string> commandsFrom(const Session& session, std::size_t from) {
    std::vector<std::string> all = startedCommands(session.folder);
    return std::vector<std::string>(all.begin() + static_cast<long>(std::min(from, all.size())), all.end());
}

// Runs one map job with `address` in the box and checks its commands and its box.
void mapJobWith(Session& session, const std::string& address,
                const std::vector<std::string>& expectedCommands, const std::string& boxText,
                bool errorIcon) {
    const std::size_t before = startedCommands(session.folder).size();
    check(setWindowText(session.controls.edit, address), "cannot put \"%s\" into the node address box",
          printable(address).c_str());
    clickButton(session.controls.button1);
    const HWND box = waitForBox(pidOf(session), kMapTitle, 30000);
    if (!check(box != nullptr, "no box titled %s for the address \"%s\"", kMapTitle,
               printable(address).c_str())) {
        return;
    }
    // Commands first, then the box: every command of the job has ended by now.
    const std::string what = "map job with \"" + printable(address) + "\"";
    checkCommands(commandsFrom(session, before), expectedCommands, what.c_str());
    expectBox(box, kMapTitle, boxText, errorIcon);
}

}  // namespace

void caseMapJob() {
    Session session;
    SessionOptions options;
    options.cmdStandin = true;
    if (!openSession("map_job", options, session)) {
        closeSession(session);
        return;
    }
    const DWORD pid = pidOf(session);
    const double clicked = nowMs();
    check(clickButton(session.controls.button1), "按钮1 did not take the click");
    const double clickTook = nowMs() - clicked;
    check(netshEvents(readNetshLog(session.folder), "end").size() < 20,
          "the click returned only after the job's commands had run (%.0f ms)", clickTook);
    const HWND box = waitForBox(pid, kMapTitle, 40000);
    if (check(box != nullptr, "no box titled %s after a click on 按钮1", kMapTitle)) {
        const std::vector<std::string> expected = joined(deletePass(), addPass(kPresetAddress));
        // The box comes only after the tenth add has ended.
        check(netshEvents(readNetshLog(session.folder), "end").size() == 20 &&
                  cmdEvents(readCmdLog(session.folder), "end").size() == 20,
              "the box came before all twenty commands had ended");
        checkInterpreterRuns(session, expected);
        checkCommands(startedCommands(session.folder), expected, "netsh as the interpreter ran it");
        for (const NetshEvent& event : netshEvents(readNetshLog(session.folder), "start")) {
            check(sameFolder(event.folder, session.folder.path), "netsh ran in %s", event.folder.c_str());
        }
        checkTable(session, tenRules(kPresetAddress), "after the map job");
        check(IsWindowVisible(session.main) && answers(session.main, 2000),
              "the window does not answer under the box");

        // With the box still up, the window takes another click: a delete job beside it.
        clickButton(session.controls.button2);
        const HWND deleteBox = waitForBox(pid, kDeleteTitle, 30000);
        if (check(deleteBox != nullptr, "no delete job's box while the map job's box stands")) {
            check(IsWindowVisible(box), "the map job's box went when the delete job's box came");
            expectBox(deleteBox, kDeleteTitle, kDeleteDoneText, false);
        }
        expectBox(box, kMapTitle, kMapDoneText, false);
        checkTable(session, {}, "after the delete job");
    }
    closeNormally(session);
    closeSession(session);
}

void caseDeleteJob() {
    Session session;
    if (!startSession("delete_job", {}, session)) {
        closeSession(session);
        return;
    }
    // Ten rules of an earlier run, and one that is none of the program's business.
    PortProxyTable table = tenRules("10.0.0.7");
    table["8080"] = PortProxyRule{"10.0.0.8", "80"};
    writePortProxyTable(session.folder, table);
    if (!passNotice(session) || !findMainWindow(session)) {
        closeSession(session);
        return;
    }
    // What the node address box holds makes no difference to a delete job.
    setWindowText(session.controls.edit, "");
    clickButton(session.controls.button2);
    const HWND box = waitForBox(pidOf(session), kDeleteTitle, 30000);
    if (check(box != nullptr, "no box titled %s after a click on 按钮2", kDeleteTitle)) {
        checkCommands(startedCommands(session.folder), deletePass(), "delete job");
        for (const NetshEvent& event : netshEvents(readNetshLog(session.folder), "start")) {
            check(sameFolder(event.folder, session.folder.path),
                  "netsh ran in %s, not in the program's folder", event.folder.c_str());
        }
        PortProxyTable left;
        left["8080"] = PortProxyRule{"10.0.0.8", "80"};
        checkTable(session, left, "after the delete job");
        expectBox(box, kDeleteTitle, kDeleteDoneText, false);
    }
    closeNormally(session);
    closeSession(session);
}

void caseAddressChangedDuringDelete() {
    Session session;
    SessionOptions options;
    options.netshControl = "delay_ms=120\n";
    if (!openSession("address_changed_during_delete", options, session)) {
        closeSession(session);
        return;
    }
    clickButton(session.controls.button1);
    // Typed while the delete pass runs: the add pass takes it.
    check(waitForNetshEvents(session.folder, "start", 3, 20000), "the delete pass did not start");
    setWindowText(session.controls.edit, "10.1.2.3");
    // Typed once the add pass runs: too late for this job.
    check(waitForNetshEvents(session.folder, "start", 11, 20000), "the add pass did not start");
    setWindowText(session.controls.edit, "10.9.9.9");
    const HWND box = waitForBox(pidOf(session), kMapTitle, 30000);
    if (check(box != nullptr, "no box titled %s", kMapTitle)) {
        checkCommands(startedCommands(session.folder), joined(deletePass(), addPass("10.1.2.3")),
                      "map job with the address changed during its delete pass");
        checkTable(session, tenRules("10.1.2.3"), "after the map job");
        expectBox(box, kMapTitle, kMapDoneText, false);
    }
    closeNormally(session);
    closeSession(session);
}

void caseUnsafeAddresses() {
    Session session;
    if (!openSession("unsafe_addresses", {}, session)) {
        closeSession(session);
        return;
    }
    // Each would make the interpreter do more than run netsh: a second command, a pipe,
    // an expansion, a control character. None may reach a command. (Every such character
    // has its own native test; these show the whole way from the box to the interpreter.)
    const char* const unsafe[] = {"10.0.0.1&calc", "10.0.0.1|more", "%COMSPEC%", "10.0.0.1\t"};
    for (const char* address : unsafe) {
        mapJobWith(session, address, deletePass(), kUnsafeAddressText, true);
    }
    check(readPortProxyTable(session.folder).empty(), "a rule was added for an unsafe address");
    closeNormally(session);
    closeSession(session);
}

void caseAddFailures() {
    Session session;
    SessionOptions options;
    options.netshControl = "fail_add=31402,31405,31409\n";
    if (!openSession("add_failures", options, session)) {
        closeSession(session);
        return;
    }
    mapJobWith(session, kPresetAddress, joined(deletePass(), addPass(kPresetAddress)), addFailedText(3),
               true);
    PortProxyTable expected = tenRules(kPresetAddress);
    for (const char* failed : {"31402", "31405", "31409"}) {
        expected.erase(failed);
    }
    checkTable(session, expected, "after three failed adds");
    closeNormally(session);
    closeSession(session);
}

void caseAddressEdgeCases() {
    Session session;
    SessionOptions options;
    options.cmdStandin = true;
    if (!openSession("address_edge_cases", options, session)) {
        closeSession(session);
        return;
    }
    // A GBK address whose second byte is '|' (亅 is 81 7C) is one character, not a pipe:
    // it goes into the commands byte for byte and netsh takes it.
    const std::string gbk = "节点亅.10";
    mapJobWith(session, gbk, joined(deletePass(), addPass(gbk)), kMapDoneText, false);
    checkTable(session, tenRules(gbk), "after the GBK address");
    // Empty, and blanks around the address: inserted unchanged; netsh rejects every add.
    mapJobWith(session, "", joined(deletePass(), addPass("")), addFailedText(10), true);
    mapJobWith(session, " 192.168.30.10 ", joined(deletePass(), addPass(" 192.168.30.10 ")),
               addFailedText(10), true);
    checkTable(session, {}, "after the rejected adds");
    // The interpreter got the exact lines of all three jobs.
    checkInterpreterRuns(session,
                         joined(joined(joined(deletePass(), addPass(gbk)), joined(deletePass(), addPass(""))),
                                joined(deletePass(), addPass(" 192.168.30.10 "))));
    closeNormally(session);
    closeSession(session);
}

void caseResponsiveDuringJob() {
    Session session;
    SessionOptions options;
    options.netshControl = "delay_ms=300\n";
    if (!openSession("responsive_during_job", options, session)) {
        closeSession(session);
        return;
    }
    const Controls& c = session.controls;
    clickButton(c.button1);
    check(waitForNetshEvents(session.folder, "start", 1, 10000), "the map job did not start");
    double worst = 0;
    int unanswered = 0;
    int samples = 0;
    const double until = nowMs() + 2500;
    while (nowMs() < until) {
        double roundTrip = 0;
        if (!answers(session.main, 2000, &roundTrip)) {
            ++unanswered;
        }
        worst = std::max(worst, roundTrip);
        ++samples;
        Sleep(10);
    }
    note("%d round trips during the job, worst %.1f ms", samples, worst);
    check(unanswered == 0, "%d of %d WM_NULL round trips went unanswered during a job", unanswered, samples);
    check(worst < 1000, "a WM_NULL round trip took %.0f ms during a job", worst);
    // The address box can be edited, and the other button clicked, while the job runs.
    check(setWindowText(c.edit, "10.4.4.4") && windowText(c.edit) == "10.4.4.4",
          "the node address box cannot be changed during a job");
    check(clickButton(c.button2), "按钮2 did not take a click during a job");
    const std::size_t started = netshEvents(readNetshLog(session.folder), "start").size();
    check(started < 20, "the map job already ran %u commands: the job is not slow enough to show anything",
          static_cast<unsigned>(started));
    check(closeNormally(session), "the window did not close during the jobs");
    closeSession(session);
}

void casePageOpened() {
    Session session;
    SessionOptions options;
    options.browserStandin = true;
    if (!openSession("page_opened", options, session)) {
        closeSession(session);
        return;
    }
    // Every click opens the page again.
    for (std::size_t clicks = 1; clicks <= 2; ++clicks) {
        clickButton(session.controls.button3);
        check(waitFor([&] { return readBrowserLog(session.folder).size() >= clicks; }, 15000),
              "click %u on 按钮3 did not open the browser", static_cast<unsigned>(clicks));
    }
    const std::vector<std::string> launches = readBrowserLog(session.folder);
    if (check(launches.size() == 2, "%u browser starts for two clicks",
              static_cast<unsigned>(launches.size()))) {
        const std::string& line = launches[0];
        const std::size_t open = line.rfind(" \"");
        const std::string address =
            open == std::string::npos ? "" : line.substr(open + 2, line.size() - open - 3);
        note("the browser got %s", address.c_str());
        check(address.rfind("https://", 0) == 0 || address.rfind("http://", 0) == 0,
              "the browser was not given a web address: %s", line.c_str());
        check(launches[1] == launches[0], "the second click opened %s", launches[1].c_str());
        // The notes name the page that 按钮3 opens.
        const std::size_t hostStart = address.find("//") + 2;
        const std::string host = address.substr(hostStart, address.find('/', hostStart) - hostStart);
        const std::string notes = windowText(session.controls.notes);
        const std::size_t lastLine = notes.rfind("\r\n");
        check(
            !host.empty() && lastLine != std::string::npos && notes.find(host, lastLine) != std::string::npos,
            "the last notes line does not name %s", host.c_str());
    }
    check(findBoxes(pidOf(session), nullptr).empty(), "opening the page brought up a box");
    check(startedCommands(session.folder).empty(), "opening the page ran a command");
    check(answers(session.main, 2000), "the window does not answer after opening the page");
    closeNormally(session);
    closeSession(session);
}
