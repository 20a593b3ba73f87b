#include "ui/key_rules.h"

namespace {

bool claimedByTarget(const KeyPress& key, const KeyTarget& target, bool noModifiers) {
    return target.isNotesBox && key.virtualKey == kKeyReturn && noModifiers;
}

}  // namespace

KeyAction decideKeyAction(const KeyPress& key, const KeyTarget& target) {
    if (!key.isKeyDown || !target.enabled) {
        return KeyAction::PassOn;
    }
    const bool noModifiers = !key.ctrl && !key.shift && !key.alt;
    if (claimedByTarget(key, target, noModifiers)) {
        return KeyAction::PassOn;
    }
    if (key.virtualKey == kKeyTab && noModifiers) {
        return KeyAction::FocusForward;
    }
    if (key.virtualKey == kKeyTab && key.shift && !key.ctrl && !key.alt) {
        return KeyAction::FocusBackward;
    }
    if (key.virtualKey == kKeyEscape && noModifiers) {
        return KeyAction::CloseWindow;
    }
    return KeyAction::PassOn;
}
