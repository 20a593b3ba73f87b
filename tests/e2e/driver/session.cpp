#include "session.h"

#include "checks.h"
#include "expected_texts.h"
#include "message_boxes.h"
#include "standin_logs.h"
#include "waiting.h"
#include "window_finding.h"

namespace {

std::string programPath;

}  // namespace

void setProgramPath(const std::string& path) {
    programPath = path;
}

bool startSession(const char* caseName, const SessionOptions& options, Session& session) {
    if (!makeTestFolder(caseName, programPath, options.cmdStandin, session.folder)) {
        return false;
    }
    if (!options.netshControl.empty()) {
        setNetshControl(session.folder, options.netshControl);
    }
    if (!unmanageProgramWindows("VeskPortMapper.exe", session.savedRegistry)) {
        return false;
    }
    if (options.browserStandin &&
        !registerBrowserStandin(folderFile(session.folder, "browser_standin.exe"), session.savedRegistry)) {
        return false;
    }
    return startApp(session.folder, session.app);
}

bool passNotice(Session& session, DWORD timeoutMs) {
    const HWND notice = waitForBox(pidOf(session), kNoticeTitle, timeoutMs);
    if (!check(notice != nullptr, "no start-up notice titled %s within %lu ms", kNoticeTitle, timeoutMs)) {
        return false;
    }
    note("the start-up notice is up");
    return check(pressOk(notice), "the start-up notice did not go on OK");
}

bool findMainWindow(Session& session, DWORD timeoutMs) {
    const bool shown = waitFor(
        [&] {
            session.main = mainWindowOf(session);
            return session.main != nullptr && IsWindowVisible(session.main);
        },
        timeoutMs);
    if (!check(shown, "no visible main window captioned %s", kMainCaption)) {
        return false;
    }
    note("the main window is shown");
    session.windowThread = GetWindowThreadProcessId(session.main, nullptr);
    Controls& c = session.controls;
    c.button1 = GetDlgItem(session.main, 100);
    c.button2 = GetDlgItem(session.main, 110);
    c.edit = GetDlgItem(session.main, 120);
    c.label = GetDlgItem(session.main, 130);
    c.notes = GetDlgItem(session.main, 140);
    c.button3 = GetDlgItem(session.main, 150);
    return check(c.button1 && c.button2 && c.edit && c.label && c.notes && c.button3,
                 "a control is missing: ids 100 %p, 110 %p, 120 %p, 130 %p, 140 %p, 150 %p",
                 static_cast<void*>(c.button1), static_cast<void*>(c.button2), static_cast<void*>(c.edit),
                 static_cast<void*>(c.label), static_cast<void*>(c.notes), static_cast<void*>(c.button3));
}

bool openSession(const char* caseName, const SessionOptions& options, Session& session) {
    if (!startSession(caseName, options, session) || !passNotice(session) || !findMainWindow(session)) {
        return false;
    }
    return true;
}

void closeSession(Session& session) {
    endLeftovers(session.folder, session.app);
    note("nothing of the case runs any more");
    restoreRegistryValues(session.savedRegistry);
}

HWND mainWindowOf(const Session& session) {
    const std::vector<HWND> windows = topWindows(pidOf(session), nullptr, kMainCaption, false);
    return windows.empty() ? nullptr : windows.front();
}

DWORD pidOf(const Session& session) {
    return session.app.info.dwProcessId;
}

bool expectExit(Session& session, DWORD timeoutMs, DWORD expectedCode, const char* how) {
    DWORD exitCode = 0;
    if (!check(waitForExit(session.app, timeoutMs, exitCode), "the program still runs %lu ms after %s",
               timeoutMs, how)) {
        return false;
    }
    return check(exitCode == expectedCode, "exit code after %s is %ld, expected %ld", how,
                 static_cast<long>(exitCode), static_cast<long>(expectedCode));
}

bool closeNormally(Session& session) {
    note("closing the window");
    PostMessageA(session.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    return expectExit(session, 5000, 0, "closing the window");
}
