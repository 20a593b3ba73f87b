// The keyboard as a user presses it: the tab order, Enter and Space, and the ways to close
// the window, each ending the process with exit code 0.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cases.h"
#include "checks.h"
#include "expected_texts.h"
#include "job_watch.h"
#include "keys.h"
#include "message_boxes.h"
#include "session.h"
#include "waiting.h"
#include "window_finding.h"

namespace {

struct Stop {
    HWND control;
    const char* name;
};

// Presses a key and checks where the focus lands.
bool stepFocus(const Session& session, WORD key, bool shift, const Stop& expected, const char* keyName) {
    pressKey(key, shift);
    return check(waitForFocus(session.windowThread, expected.control, 2000),
                 "%s did not move the focus to %s", keyName, expected.name);
}

bool readyForKeys(Session& session) {
    return check(bringToFront(session.main), "the main window cannot be brought to the foreground") &&
           check(waitForFocus(session.windowThread, session.controls.button1, 3000),
                 "按钮1 does not have the focus at first");
}

// Clicks the close button in the caption, found by asking the window where it is.
bool clickCloseButton(HWND main) {
    RECT r;
    GetWindowRect(main, &r);
    RECT button = {r.right, r.bottom, r.left, r.top};
    for (LONG y = r.top; y < r.top + 48; y += 2) {
        for (LONG x = r.right - 1; x > r.right - 96; x -= 2) {
            DWORD_PTR hit = 0;
            SendMessageTimeoutA(main, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
            if (hit == HTCLOSE) {
                button = {std::min(button.left, x), std::min(button.top, y), std::max(button.right, x),
                          std::max(button.bottom, y)};
            }
        }
    }
    if (!check(button.left <= button.right, "no close button found in the caption")) {
        return false;
    }
    return clickAtPoint((button.left + button.right) / 2, (button.top + button.bottom) / 2);
}

}  // namespace

void caseTabOrder() {
    Session session;
    if (!openSession("tab_order", {}, session) || !readyForKeys(session)) {
        closeSession(session);
        return;
    }
    const Controls& c = session.controls;
    const std::string notesBefore = windowText(c.notes);
    const std::string addressBefore = windowText(c.edit);
    const Stop forward[] = {{c.button2, "按钮2"},
                            {c.edit, "编辑框1"},
                            {c.notes, "超级编辑框1"},
                            {c.button3, "按钮3"},
                            {c.button1, "按钮1"}};
    for (const Stop& stop : forward) {
        if (!stepFocus(session, VK_TAB, false, stop, "Tab")) {
            break;
        }
    }
    const Stop backward[] = {{c.button3, "按钮3"},
                             {c.notes, "超级编辑框1"},
                             {c.edit, "编辑框1"},
                             {c.button2, "按钮2"},
                             {c.button1, "按钮1"}};
    for (const Stop& stop : backward) {
        if (!stepFocus(session, VK_TAB, true, stop, "Shift+Tab")) {
            break;
        }
    }
    check(windowText(c.notes) == notesBefore, "Tab typed into the notes box");
    check(windowText(c.edit) == addressBefore, "Tab typed into the node address box");
    check(startedCommands(session.folder).empty() && findBoxes(pidOf(session), nullptr).empty(),
          "moving the focus started a job");
    closeNormally(session);
    closeSession(session);
}

void caseEnterAndSpace() {
    Session session;
    if (!openSession("enter_and_space", {}, session) || !readyForKeys(session)) {
        closeSession(session);
        return;
    }
    const Controls& c = session.controls;
    const DWORD pid = pidOf(session);
    // Enter on 按钮1 and in the node address box clicks nothing and types nothing.
    pressKey(VK_RETURN);
    stepFocus(session, VK_TAB, false, {c.button2, "按钮2"}, "Tab");
    pressKey(VK_RETURN);
    stepFocus(session, VK_TAB, false, {c.edit, "编辑框1"}, "Tab");
    const std::string address = windowText(c.edit);
    pressKey(VK_RETURN);
    Sleep(700);
    check(windowText(c.edit) == address, "Enter changed the node address box to \"%s\"",
          printable(windowText(c.edit)).c_str());
    check(startedCommands(session.folder).empty(), "Enter started a job");
    check(findBoxes(pid, nullptr).empty(), "Enter brought up a box");

    // Enter in the notes box breaks the line where the caret stands.
    stepFocus(session, VK_TAB, false, {c.notes, "超级编辑框1"}, "Tab");
    const std::string notes = windowText(c.notes);
    pressKey(VK_RETURN);
    std::string broken;
    waitFor([&] { return (broken = windowText(c.notes)) != notes; }, 2000);
    check(broken == "\r\n" + notes, "Enter in the notes box did not break the line at the caret: \"%s\"",
          printable(broken.substr(0, 40)).c_str());

    // Space on the focused 按钮1 clicks it.
    stepFocus(session, VK_TAB, false, {c.button3, "按钮3"}, "Tab");
    stepFocus(session, VK_TAB, false, {c.button1, "按钮1"}, "Tab");
    check(startedCommands(session.folder).empty(), "a job ran before Space was pressed");
    pressKey(VK_SPACE);
    // The eleventh command tells a map job (its first add) from a delete job.
    if (check(waitForNetshEvents(session.folder, "start", 11, 20000), "Space on 按钮1 ran no map job")) {
        std::vector<std::string> started = startedCommands(session.folder);
        started.resize(11);
        checkCommands(started, joined(deletePass(), {addPass(kPresetAddress)[0]}), "Space on 按钮1");
    }
    closeNormally(session);
    closeSession(session);
}

void caseEscCloses() {
    struct Place {
        const char* name;
        bool (*focus)(Session&);
    };
    const Place places[] = {
        {"按钮1", [](Session& s) { return waitForFocus(s.windowThread, s.controls.button1, 2000); }},
        {"按钮3",
         [](Session& s) {
             pressKey(VK_TAB, true);
             return waitForFocus(s.windowThread, s.controls.button3, 2000);
         }},
        {"编辑框1",
         [](Session& s) {
             clickAt(s.controls.edit);
             return waitForFocus(s.windowThread, s.controls.edit, 2000);
         }},
        {"超级编辑框1",
         [](Session& s) {
             clickAt(s.controls.notes);
             return waitForFocus(s.windowThread, s.controls.notes, 2000);
         }},
    };
    int index = 0;
    for (const Place& place : places) {
        Session session;
        const std::string folderName = "esc_closes_" + std::to_string(++index);
        note("Esc with the focus in %s", place.name);
        if (openSession(folderName.c_str(), {}, session) && readyForKeys(session) &&
            check(place.focus(session), "cannot put the focus in %s", place.name)) {
            pressKey(VK_ESCAPE);
            const std::string how = std::string("Esc in ") + place.name;
            expectExit(session, 5000, 0, how.c_str());
            check(startedCommands(session.folder).empty(), "Esc in %s started a job", place.name);
        }
        closeSession(session);
    }
}

void caseCloseWays() {
    struct Way {
        const char* name;
        void (*close)(Session&);
    };
    const Way ways[] = {
        {"Alt+F4",
         [](Session&) {
             INPUT inputs[4] = {};
             const WORD keys[4] = {VK_MENU, VK_F4, VK_F4, VK_MENU};
             for (int i = 0; i < 4; ++i) {
                 inputs[i].type = INPUT_KEYBOARD;
                 inputs[i].ki.wVk = keys[i];
                 inputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(keys[i], MAPVK_VK_TO_VSC));
                 inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
             }
             SendInput(4, inputs, sizeof(INPUT));
         }},
        {"the close button", [](Session& s) { clickCloseButton(s.main); }},
        {"the system menu's Close", [](Session& s) { PostMessageA(s.main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    int index = 0;
    for (const Way& way : ways) {
        Session session;
        const std::string folderName = "close_ways_" + std::to_string(++index);
        note("closing with %s", way.name);
        if (openSession(folderName.c_str(), {}, session) && readyForKeys(session)) {
            way.close(session);
            expectExit(session, 5000, 0, way.name);
        }
        closeSession(session);
    }
}
