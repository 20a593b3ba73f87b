// Where the main window and its six controls stand, and their identifiers.
#pragma once

// Outer size of the main window; it has a dialog frame and cannot be resized.
constexpr int kMainWindowWidth = 598;
constexpr int kMainWindowHeight = 409;

constexpr int kMapButtonId = 100;
constexpr int kDeleteButtonId = 110;
constexpr int kAddressBoxId = 120;
constexpr int kAddressLabelId = 130;
constexpr int kNotesBoxId = 140;
constexpr int kPortCheckButtonId = 150;

// A control's place in the client area: left, top, width, height.
struct ControlRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr ControlRect kMapButtonRect = {214, 312, 130, 64};
constexpr ControlRect kDeleteButtonRect = {346, 312, 130, 64};
constexpr ControlRect kAddressBoxRect = {64, 322, 144, 48};
constexpr ControlRect kAddressLabelRect = {6, 321, 56, 48};
constexpr ControlRect kNotesBoxRect = {8, 8, 576, 280};
constexpr ControlRect kPortCheckButtonRect = {480, 312, 106, 64};

// Tab and Shift+Tab walk these controls in this order, wrapping at both ends.
constexpr int kTabOrder[] = {kMapButtonId, kDeleteButtonId, kAddressBoxId, kNotesBoxId, kPortCheckButtonId};
constexpr int kTabOrderLength = sizeof kTabOrder / sizeof kTabOrder[0];
