// What main() sets up around the main window, kept off the way to its first
// frame: the window icon from pixels compiled in, Qt's German texts once the
// window is on the screen.
#pragma once

#include <functional>

class QIcon;
class QWidget;

/// The window icon in the window-frame sizes; decodes nothing.
QIcon Fenstersymbol();

/// Runs `arbeit` once, right after `fenster` has drawn its first frame.
void NachDemErstenBild(QWidget* fenster, std::function<void()> arbeit);
