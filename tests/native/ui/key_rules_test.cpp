#include "ui/key_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr int kKeySpace = 0x20;
constexpr int kKeyF4 = 0x73;
constexpr int kKeyA = 0x41;

struct KeyCase {
    const char* what;
    KeyPress key;
    KeyTarget target;
    KeyAction expected;
};

constexpr KeyTarget kButton = {true, false};
constexpr KeyTarget kNotes = {true, true};
constexpr KeyTarget kDisabled = {false, false};

const KeyCase kCases[] = {
    {"Tab", {true, kKeyTab, false, false, false}, kButton, KeyAction::FocusForward},
    {"Tab in the notes box leaves it", {true, kKeyTab, false, false, false}, kNotes, KeyAction::FocusForward},
    {"Shift+Tab", {true, kKeyTab, false, true, false}, kButton, KeyAction::FocusBackward},
    {"Shift+Tab in the notes box", {true, kKeyTab, false, true, false}, kNotes, KeyAction::FocusBackward},
    {"Ctrl+Tab", {true, kKeyTab, true, false, false}, kButton, KeyAction::PassOn},
    {"Ctrl+Shift+Tab", {true, kKeyTab, true, true, false}, kButton, KeyAction::PassOn},
    {"Alt+Tab", {true, kKeyTab, false, false, true}, kButton, KeyAction::PassOn},
    {"Esc", {true, kKeyEscape, false, false, false}, kButton, KeyAction::CloseWindow},
    {"Esc in the notes box", {true, kKeyEscape, false, false, false}, kNotes, KeyAction::CloseWindow},
    {"Shift+Esc", {true, kKeyEscape, false, true, false}, kButton, KeyAction::PassOn},
    {"Alt+Esc", {true, kKeyEscape, false, false, true}, kButton, KeyAction::PassOn},
    {"Enter on a button clicks nothing", {true, kKeyReturn, false, false, false}, kButton, KeyAction::PassOn},
    {"Enter in the notes box breaks the line",
     {true, kKeyReturn, false, false, false},
     kNotes,
     KeyAction::PassOn},
    {"Space goes to the button", {true, kKeySpace, false, false, false}, kButton, KeyAction::PassOn},
    {"Alt+F4 goes on to the system", {true, kKeyF4, false, false, true}, kButton, KeyAction::PassOn},
    {"a letter", {true, kKeyA, false, false, false}, kNotes, KeyAction::PassOn},
    {"key up of Tab", {false, kKeyTab, false, false, false}, kButton, KeyAction::PassOn},
    {"key up of Esc", {false, kKeyEscape, false, false, false}, kButton, KeyAction::PassOn},
    {"Tab to a disabled window", {true, kKeyTab, false, false, false}, kDisabled, KeyAction::PassOn},
    {"Esc to a disabled window", {true, kKeyEscape, false, false, false}, kDisabled, KeyAction::PassOn},
};

}  // namespace

TEST(KeyRules, TabShiftTabAndEscAreTheWindowsOwn) {
    for (const KeyCase& c : kCases) {
        EXPECT_EQ(decideKeyAction(c.key, c.target), c.expected) << c.what;
    }
}
