#pragma once

#include "event_binding.h"
#include "event_dispatch.h"
#include "folder_list_workflow.h"
#include "folders.h"
#include "line_reader.h"
#include "main_window.h"
#include "window_commands.h"

#include <functional>

namespace kestrune {

// The running program: the window, its workflow and the binding between them.
// The host services come in from outside, so that tests can answer the
// message boxes themselves.
class ProgramWindow {
public:
    // `quit` leaves the event loop; by default the application's.
    ProgramWindow(Desktop& desktop, LineReader& files, Folders& folders, const MountTable& mounts,
                  std::function<void()> quit = {});
    ~ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    // Raises the window's Load, then shows it.
    void start();
    // Opens a file or folder as if the person had reached it by hand (see openPath).
    void open(const QString& path);

    MainWindow& window() { return window_; }
    FolderListWorkflow& workflow() { return workflow_; }
    bool ended() const { return dispatch_.stopped(); }

private:
    void endProgram();

    MainWindow window_;
    EventDispatch dispatch_;
    FolderListWorkflow workflow_;
    WindowCommands commands_;
    EventBinding binding_;
    std::function<void()> quit_;
};

}  // namespace kestrune
