#pragma once

#include "controls.h"

#include <QString>

#include <functional>

namespace kestrune {

// The controls the window-level commands touch.
struct WindowCommandControls {
    Form& frmMain;
    Frame& Frame1;
    ListBox& List1;
    TextBox& Text1;
};

// The window's own handlers: its load, the viewer's OK button and the exit button.
class WindowCommands {
public:
    // `End` ends the program at once; no handler may run after it.
    WindowCommands(const WindowCommandControls& controls, std::function<void()> End);

    void Form_Load();
    void Command1_Click();
    void Command3_Click();

    // The caption the person sees: the title, an ideographic space, the version.
    static QString runtimeCaption();

private:
    WindowCommandControls c_;
    std::function<void()> End_;
};

}  // namespace kestrune
