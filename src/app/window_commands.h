#pragma once

#include "controls.h"

#include <QString>

#include <functional>

namespace kestrune {

// The controls the window-level commands touch.
struct WindowCommandControls {
    WindowTitle& window;
    TextViewer& readmeViewer;
    ItemList& namesList;
    NameBox& parentNameEdit;
};

// The window's own handlers: its start, the viewer's OK button and the exit button.
class WindowCommands {
public:
    // `endProgram` ends the program at once; no handler may run after it.
    WindowCommands(const WindowCommandControls& controls, std::function<void()> endProgram);

    void start();
    void closeReadme();
    void exitProgram();

    // The caption the person sees: the title, an ideographic space, the version.
    static QString runtimeCaption();

private:
    WindowCommandControls c_;
    std::function<void()> endProgram_;
};

}  // namespace kestrune
