// A window's design as data: one row per control, in the design's pixel coordinates
// relative to the parent's client area. The windows are built from such tables, and what is
// made without them (a report's order of the inputs) reads the same rows.
#pragma once

namespace kvr {

enum class ControlKind { GroupBox, Label, Edit, ComboBox, Button, Image };

inline constexpr int kWindowFontPx = 11;
inline constexpr int kEditHeight = 21;
// A control that holds no input of the experiment.
inline constexpr int kNoInput = -100;

struct ControlRow {
    ControlKind kind;
    const char *name;
    const char *parent; // nullptr: the window's client area
    int left;
    int top;
    int width = 0; // 0 with height 0: a label sized to its text
    int height = 0;
    const char *text = "";
    int fontPx = kWindowFontPx;
    int slot = kNoInput; // the input it holds: a slot of the table of inputs, or kNameSlot
    int tab = 0;         // its place in the window's tab order from 1; 0: none of its own
};

} // namespace kvr
