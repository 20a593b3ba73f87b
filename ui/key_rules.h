// Which keys the main window takes for itself before a control sees them.
#pragma once

// The virtual-key codes involved, as Windows numbers them.
constexpr int kKeyTab = 0x09;
constexpr int kKeyReturn = 0x0D;
constexpr int kKeyEscape = 0x1B;

// A key press as it comes out of the queue, with the modifiers held at that moment.
struct KeyPress {
    bool isKeyDown;  // WM_KEYDOWN or WM_SYSKEYDOWN; anything else is left alone
    int virtualKey;
    bool ctrl;
    bool shift;
    bool alt;
};

// Where the key is going.
struct KeyTarget {
    bool enabled;
    bool isNotesBox;
};

enum class KeyAction {
    PassOn,         // not consumed: translated and dispatched as usual
    FocusForward,   // consumed: Tab
    FocusBackward,  // consumed: Shift+Tab
    CloseWindow,    // consumed: Esc
};

// Tab, Shift+Tab and Esc, each with exactly these modifiers, are the window's; Enter and
// everything else go on to the control. The notes box claims Enter to break its lines.
KeyAction decideKeyAction(const KeyPress& key, const KeyTarget& target);
