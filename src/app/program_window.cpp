#include "program_window.h"

#include "qt_frame.h"
#include "qt_list_box.h"
#include "qt_text_box.h"

#include <QCoreApplication>

#include <utility>

namespace kestrune {

ProgramWindow::ProgramWindow(Desktop& desktop, FileInput& files, Folders& folders, std::function<void()> quit)
    : dispatch_(desktop), workflow_(window_.workflowControls(), desktop, files, folders),
      commands_(WindowCommandControls{window_, window_.Frame1(), window_.List1(), window_.Text1()}, [this] { End(); }),
      binding_(window_, commands_, workflow_, dispatch_), quit_(std::move(quit))
{
    if (!quit_)
        quit_ = [] { QCoreApplication::exit(0); };
}

ProgramWindow::~ProgramWindow()
{
    dispatch_.stop();
}

void ProgramWindow::start()
{
    dispatch_.run([this] { commands_.Form_Load(); });
    window_.show();
}

void ProgramWindow::End()
{
    // At once: no further event reaches a handler, the window goes, the loop ends.
    dispatch_.stop();
    window_.hide();
    quit_();
}

}  // namespace kestrune
