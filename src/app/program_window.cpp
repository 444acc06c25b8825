#include "program_window.h"

#include "path_opening.h"
#include "qt_drive_list.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "qt_item_list.h"
#include "qt_panel.h"
#include "qt_text_field.h"

#include <QCoreApplication>

#include <utility>

namespace kestrune {

namespace {

// The controls of the window that the workflow reads and writes.
WorkflowControls workflowControlsOf(const MainWindow& window)
{
    return WorkflowControls{window.namesList(), window.parentNameEdit(), window.readmePanel(), window.readmeText(),
                            window.driveList(), window.folderList(),     window.fileList()};
}

}  // namespace

ProgramWindow::ProgramWindow(Desktop& desktop, LineReader& files, Folders& folders, const MountTable& mounts,
                             std::function<void()> quit)
    : dispatch_(desktop), workflow_(workflowControlsOf(window_), desktop, files, folders, mounts),
      commands_(WindowCommandControls{window_, window_.readmePanel(), window_.namesList(), window_.parentNameEdit()},
                [this] { endProgram(); }),
      binding_(window_, commands_, workflow_, dispatch_), quit_(std::move(quit))
{
    if (!quit_)
        quit_ = [] { QCoreApplication::exit(0); };
    QObject::connect(&window_, &MainWindow::pathDropped, &window_, [this](const QString& path) { open(path); });
}

ProgramWindow::~ProgramWindow()
{
    dispatch_.stop();
}

void ProgramWindow::start()
{
    dispatch_.run([this] { commands_.start(); });
    window_.show();
}

void ProgramWindow::open(const QString& path)
{
    openPath(window_, dispatch_, path);
}

void ProgramWindow::endProgram()
{
    // At once: no further event reaches a handler, the window goes, the loop ends.
    dispatch_.stop();
    window_.hide();
    quit_();
}

}  // namespace kestrune
