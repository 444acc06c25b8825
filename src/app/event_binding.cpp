#include "event_binding.h"

#include "event_dispatch.h"
#include "folder_list_workflow.h"
#include "main_window.h"
#include "qt_drive_list.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "qt_item_list.h"
#include "qt_text_field.h"
#include "window_commands.h"

#include <QAction>
#include <QPushButton>

namespace kestrune {

EventBinding::EventBinding(MainWindow& window, WindowCommands& commands, FolderListWorkflow& workflow,
                           EventDispatch& dispatch)
{
    const auto bind = [&](auto* source, auto event, auto handler) {
        connections_.push_back(
            QObject::connect(source, event, source, [&dispatch, handler] { dispatch.run(handler); }));
    };

    // The window's start is run once by the program, not through a signal.
    // clang-format off
    // Source                    Event                   Handler
    bind(&window.readmeOkButton(),   &QPushButton::clicked,  [&commands] { commands.closeReadme(); });
    bind(&window.exitButton(),       &QPushButton::clicked,  [&commands] { commands.exitProgram(); });
    bind(&window.createButton(),     &QPushButton::clicked,  [&workflow] { workflow.createFolders(); });
    bind(&window.driveList(),        &QtDriveList::changed,  [&workflow] { workflow.onDriveChanged(); });
    bind(&window.folderList(),       &QtFolderList::changed, [&workflow] { workflow.onFolderChanged(); });
    bind(&window.folderList(),       &QtFolderList::clicked, [&workflow] { workflow.onFolderClicked(); });
    bind(&window.fileList(),         &QtFileList::clicked,   [&workflow] { workflow.onListFileClicked(); });
    bind(&window.parentNameEdit(),   &QLineEdit::textEdited, [&workflow] { workflow.onParentNameEdited(); });
    bind(&window.undoAction(),       &QAction::triggered,    [&workflow] { workflow.undoLastCreation(); });
    // clang-format on

    // The row comes with the signal, so it is bound on its own.
    connections_.push_back(QObject::connect(
        &window.namesList(), &QtItemList::rowDoubleClicked, &window.namesList(), [&dispatch, &workflow](int row) {
            dispatch.run([&workflow, row] { workflow.onNamesRowDoubleClicked(row); });
        }));

    // Not a handler: a folder the person opened by double-click could not be
    // read. It is told like any other failure instead of passing unseen.
    connections_.push_back(QObject::connect(&window.folderList(), &QtFolderList::openFailed, &window.folderList(),
                                            [&dispatch](int number, const QString& description) {
                                                if (!dispatch.stopped())
                                                    dispatch.report(number, description);
                                            }));
}

EventBinding::~EventBinding()
{
    for (const auto& connection : connections_)
        QObject::disconnect(connection);
}

}  // namespace kestrune
