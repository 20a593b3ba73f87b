// Start-up: the notice before the window, the window and its six controls as built, and
// the fatal-error report when the window cannot be built.
#include <windows.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "cases.h"
#include "checks.h"
#include "expected_texts.h"
#include "keys.h"
#include "message_boxes.h"
#include "screen_pixels.h"
#include "session.h"
#include "waiting.h"
#include "window_finding.h"

namespace {

struct ControlExpectation {
    const char* name;
    int id;
    const char* className;  // nullptr: any (the label's class is the program's own)
    RECT place;             // left, top, width, height in the main window's client area
    const char* text;       // nullptr: checked elsewhere
    DWORD requiredStyle;
    DWORD forbiddenStyle;
    DWORD exStyle;
};

const DWORD kButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE;
const DWORD kButtonForbidden = WS_DISABLED | BS_DEFPUSHBUTTON | BS_TYPEMASK | BS_BITMAP | BS_ICON;

const ControlExpectation kControls[] = {
    {"按钮1", 100, "Button", {214, 312, 130, 64}, "端口一键映射", kButtonStyle, kButtonForbidden, 0},
    {"按钮2", 110, "Button", {346, 312, 130, 64}, "端口一键删除", kButtonStyle, kButtonForbidden, 0},
    {"编辑框1",
     120,
     "Edit",
     {64, 322, 144, 48},
     "192.168.30.10",
     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER,
     WS_DISABLED | ES_MULTILINE | ES_READONLY | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE | ES_NUMBER |
         ES_RIGHT,
     WS_EX_CLIENTEDGE},
    {"标签1",
     130,
     nullptr,
     {6, 321, 56, 48},
     "节点IP",
     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
     WS_DISABLED | WS_TABSTOP | WS_BORDER,
     0},
    {"超级编辑框1",
     140,
     "RichEdit20A",
     {8, 8, 576, 280},
     nullptr,
     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN |
         ES_NOHIDESEL,
     WS_DISABLED | WS_HSCROLL | ES_AUTOHSCROLL | ES_READONLY,
     WS_EX_CLIENTEDGE},
    {"按钮3", 150, "Button", {480, 312, 106, 64}, "Vesk节点端口检测", kButtonStyle, kButtonForbidden, 0},
};

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

void checkControl(HWND control, const ControlExpectation& expected) {
    const std::string kind = classNameOf(control);
    if (expected.className != nullptr) {
        check(lstrcmpiA(kind.c_str(), expected.className) == 0, "%s: class %s, expected %s", expected.name,
              kind.c_str(), expected.className);
    }
    const RECT r = rectInParent(control);
    const RECT& p = expected.place;
    check(r.left == p.left && r.top == p.top && r.right - r.left == p.right && r.bottom - r.top == p.bottom,
          "%s: place %ld,%ld size %ldx%ld, expected %ld,%ld size %ldx%ld", expected.name, r.left, r.top,
          r.right - r.left, r.bottom - r.top, p.left, p.top, p.right, p.bottom);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    check((style & expected.requiredStyle) == expected.requiredStyle, "%s: style %08lX lacks %08lX",
          expected.name, style, expected.requiredStyle & ~style);
    check((style & expected.forbiddenStyle) == 0, "%s: style %08lX has unwanted %08lX", expected.name, style,
          style & expected.forbiddenStyle);
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE));
    check(exStyle == expected.exStyle, "%s: extended style %08lX, expected %08lX", expected.name, exStyle,
          expected.exStyle);
    check(IsWindowVisible(control) && IsWindowEnabled(control), "%s is not visible and enabled",
          expected.name);
    if (expected.text != nullptr) {
        const std::string text = windowText(control);
        check(text == expected.text, "%s: text \"%s\", expected \"%s\"", expected.name, text.c_str(),
              expected.text);
    }
}

void checkNotes(HWND notes) {
    const std::string text = windowText(notes);
    const std::vector<std::string> lines = splitLines(text);
    if (!check(lines.size() == 15, "notes: %u lines, expected 15 joined by CR LF: \"%s\"",
               static_cast<unsigned>(lines.size()), printable(text).c_str())) {
        return;
    }
    const char* const quoted[] = {
        "2：软件为内部自用版，如不慎外泄，请勿用于非法用途",
        "3：本程序只支持Vesk节点云服务器端代理的端口自动映射与删除",
        "4：请不要同时安装使用其他的端口映射软件，避免引起冲突",
        "5：端口一键映射或删除后实时生效，无需保持软件在桌面运行，可以直接关掉/卸载/删除等",
        "6：节点IP请填写公网IP(专线公网IP/动态公网IP)或者内部局域网IP(问自己的云服代理搭建人怎么看)",
        "7：请勿利用本程序进行二次开发/商用等",
    };
    for (int i = 0; i < 6; ++i) {
        check(lines[i + 1] == quoted[i], "notes line %d: \"%s\", expected \"%s\"", i + 2,
              lines[i + 1].c_str(), quoted[i]);
    }
    check(lines[0].rfind("1：", 0) == 0 && lines[0].size() > 3, "notes line 1 \"%s\" does not start with 1：",
          lines[0].c_str());
    check(lines[7].rfind("8：", 0) == 0 && lines[7].size() > 3, "notes line 8 \"%s\" does not start with 8：",
          lines[7].c_str());
    for (int empty : {9, 10, 14}) {
        check(lines[empty - 1].empty(), "notes line %d is not empty: \"%s\"", empty,
              lines[empty - 1].c_str());
    }
    check(!lines[14].empty(), "notes line 15 is empty");
    DWORD_PTR limit = 0;
    SendMessageTimeoutA(notes, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, 5000, &limit);
    check(limit == 0x7FFFFFFF, "notes text limit %lu, expected 0x7FFFFFFF",
          static_cast<unsigned long>(limit));
}

}  // namespace

void caseStartupNotice() {
    Session session;
    if (!startSession("startup_notice", {}, session)) {
        closeSession(session);
        return;
    }
    const DWORD pid = pidOf(session);
    const HWND notice = waitForBox(pid, kNoticeTitle, 20000);
    if (check(notice != nullptr, "no start-up notice titled %s", kNoticeTitle)) {
        const BoxContent box = readBox(notice);
        check(box.text == kNoticeText, "notice text \"%s\", expected \"%s\"", box.text.c_str(), kNoticeText);
        check(!box.hasIcon, "the notice shows an icon");
        check(box.buttonIds == std::vector<int>{IDOK}, "the notice has other buttons than one OK");
        check(box.owner == nullptr, "the notice has an owner window");
        // The window exists, hidden, and stays hidden while the notice stands.
        Sleep(300);
        const HWND main = mainWindowOf(session);
        check(main != nullptr, "no main window (even hidden) while the notice stands");
        check(main == nullptr || !IsWindowVisible(main),
              "the main window is visible before the notice is dismissed");
        const std::vector<HWND> shown = topWindows(pid, nullptr, nullptr, true);
        check(shown.size() == 1 && shown[0] == notice,
              "%u windows of the program are on screen with the notice", static_cast<unsigned>(shown.size()));
        check(pressOk(notice), "the notice did not go on OK");
        if (findMainWindow(session)) {
            check(waitForFocus(session.windowThread, session.controls.button1, 3000),
                  "按钮1 does not have the focus when the window comes up");
            check(findBoxes(pid, nullptr).empty(), "a box stands beside the shown main window");
            closeNormally(session);
        }
    }
    closeSession(session);
}

void caseMainWindow() {
    Session session;
    if (!openSession("main_window", {}, session)) {
        closeSession(session);
        return;
    }
    const HWND main = session.main;
    check(windowText(main) == kMainCaption, "caption \"%s\"", windowText(main).c_str());
    RECT r;
    GetWindowRect(main, &r);
    const LONG left = (GetSystemMetrics(SM_CXSCREEN) - 598) / 2;
    const LONG top = (GetSystemMetrics(SM_CYSCREEN) - 409) / 2;
    check(r.right - r.left == 598 && r.bottom - r.top == 409, "outer size %ldx%ld, expected 598x409",
          r.right - r.left, r.bottom - r.top);
    check(r.left == left && r.top == top, "place %ld,%ld, expected centred at %ld,%ld", r.left, r.top, left,
          top);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(main, GWL_STYLE));
    const DWORD wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE;
    check((style & wanted) == wanted, "main window style %08lX lacks %08lX", style, wanted & ~style);
    check((style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | WS_POPUP | WS_DISABLED)) == 0,
          "main window style %08lX has a maximize box, sizing border, child, popup or disabled bit", style);
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(main, GWL_EXSTYLE));
    // Windows itself adds the raised edge to every captioned window.
    check((exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE)) == 0, "main window extended style %08lX",
          exStyle);
    check(GetWindow(main, GW_OWNER) == nullptr, "the main window has an owner");
    check((GetClassLongA(main, GCL_STYLE) & CS_NOCLOSE) == 0, "the window's close button is disabled");

    const std::vector<HWND> children = childWindows(main);
    check(children.size() == 6, "%u child windows, expected 6", static_cast<unsigned>(children.size()));
    for (std::size_t i = 0; i < children.size() && i < 6; ++i) {
        check(GetDlgCtrlID(children[i]) == kControls[i].id,
              "child %u has id %d, expected %s (%d) in creation order", static_cast<unsigned>(i + 1),
              GetDlgCtrlID(children[i]), kControls[i].name, kControls[i].id);
    }
    for (const ControlExpectation& expected : kControls) {
        const HWND control = GetDlgItem(main, expected.id);
        if (check(control != nullptr, "no control with id %d (%s)", expected.id, expected.name)) {
            checkControl(control, expected);
        }
    }
    checkNotes(session.controls.notes);

    DWORD_PTR editLimit = 0;
    SendMessageTimeoutA(session.controls.edit, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, 5000, &editLimit);
    check(editLimit > 30000, "the node address box keeps the default text limit (%lu)",
          static_cast<unsigned long>(editLimit));
    for (HWND box : {session.controls.edit, session.controls.notes}) {
        DWORD_PTR selection = 1;
        SendMessageTimeoutA(box, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &selection);
        check(selection == 0, "the caret of control %d is not at the start (selection %08lX)",
              GetDlgCtrlID(box), static_cast<unsigned long>(selection));
    }
    check(waitForFocus(session.windowThread, session.controls.button1, 3000),
          "按钮1 does not have the focus at first");

    // The label paints its text on the window's own background.
    bringToFront(main);
    Sleep(300);
    check(showsDarkPixels(session.controls.label), "标签1 shows no text");
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF labelCorner = pixelAt(session.controls.label, 54, 1);
    check(labelCorner == face, "标签1 background %06lX, expected the button face %06lX", labelCorner, face);
    const COLORREF between = pixelAt(main, 4, 300);
    check(between == face, "window background %06lX, expected the button face %06lX", between, face);
    // The caption shows the program's own icon, not Wine's default one.
    const double iconMatch = captionIconMatch(main, session.folder.programPath);
    note("the caption's icon matches the program's own in %.0f%% of its pixels", iconMatch * 100);
    check(iconMatch >= 0.9, "the caption does not show the program's icon");

    closeNormally(session);
    closeSession(session);
}

void caseFatalError() {
    Session session;
    // The test command disables both rich edit libraries for this case (WINEDLLOVERRIDES
    // passes from the driver to the program); the driver sees the same.
    HMODULE richEdit20 = LoadLibraryA("RICHED20.DLL");
    HMODULE richEdit32 = LoadLibraryA("RICHED32.DLL");
    const bool richEditGone = richEdit20 == nullptr && richEdit32 == nullptr;
    for (HMODULE library : {richEdit20, richEdit32}) {
        if (library != nullptr) {
            FreeLibrary(library);
        }
    }
    if (!check(richEditGone,
               "a rich edit library still loads: run this case with "
               "WINEDLLOVERRIDES=riched20,riched32=d") ||
        !startSession("fatal_error", {}, session)) {
        closeSession(session);
        return;
    }
    const DWORD pid = pidOf(session);
    const HWND box = waitForBox(pid, nullptr, 20000);
    if (check(box != nullptr, "no error box when the notes box cannot be made")) {
        const BoxContent content = readBox(box);
        check(content.title != kNoticeTitle, "the start-up notice came instead of the error report");
        check(content.hasIcon, "the fatal-error box has no icon");
        check(!content.text.empty(), "the fatal-error box has no text");
        check(content.owner == nullptr, "the fatal-error box has an owner");
        const HWND main = mainWindowOf(session);
        check(main == nullptr || !IsWindowVisible(main),
              "the main window is shown beside the fatal-error box");
        check(findBoxes(pid, kNoticeTitle).empty(), "the start-up notice stands beside the error report");
        note("fatal-error box: \"%s\" / \"%s\"", content.title.c_str(), content.text.c_str());
        check(pressOk(box), "the fatal-error box did not go on OK");
        expectExit(session, 5000, static_cast<DWORD>(-1), "dismissing the fatal-error box");
    }
    closeSession(session);
}
