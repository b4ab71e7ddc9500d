// Keys a desktop user expects in every window: Enter and keypad Enter press the focused
// push button as Space does, and Esc closes a tool window such as the help.
#pragma once

class QCoreApplication;

namespace kvr {

// Watches every key press of `application` for the rest of its life.
void InstallKeyboardPresses(QCoreApplication *application);

} // namespace kvr
