#include "event_binding.h"

#include "event_dispatch.h"
#include "folder_list_workflow.h"
#include "main_window.h"
#include "qt_drive_list.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "qt_name_box.h"
#include "qt_names_list.h"
#include "qt_readme_viewer.h"
#include "shelf_commands.h"
#include "shelf_menu.h"
#include "window_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

namespace kestrune {

EventBinding::EventBinding(MainWindow& window, WindowCommands& commands, FolderListWorkflow& workflow,
                           ShelfCommands& shelves, EventDispatch& dispatch)
{
    // Every handler is reached through the dispatch, with what the event carries.
    const auto bind = [&](auto* source, auto event, auto handler) {
        connections_.push_back(QObject::connect(source, event, source, [&dispatch, handler](const auto&... carried) {
            dispatch.run([&] { handler(carried...); });
        }));
    };

    // The window's start is run once by the program, not through a signal.
    // clang-format off
    // Source                          Event                              Handler
    bind(&window.readmeViewer().okButton(), &QPushButton::clicked,        [&commands](bool) { commands.closeReadme(); });
    bind(&window.exitButton(),         &QPushButton::clicked,             [&commands](bool) { commands.exitProgram(); });
    bind(&window.createButton(),       &QPushButton::clicked,             [&workflow](bool) { workflow.createFolders(); });
    bind(&window.driveList(),          &QtDriveList::changed,             [&workflow] { workflow.onDriveChanged(); });
    bind(&window.folderList(),         &QtFolderList::entryClicked,       [&workflow](const QString& path) { workflow.onFolderClicked(path); });
    bind(&window.fileList(),           &QtFileList::fileClicked,          [&workflow](const QString& name) { workflow.onListFileClicked(name); });
    bind(&window.parentNameEdit(),     &QLineEdit::textEdited,            [&workflow](const QString&) { workflow.onParentNameEdited(); });
    bind(&window.undoAction(),         &QAction::triggered,               [&workflow](bool) { workflow.undoLastCreation(); });
    bind(&window.historyAction(),      &QAction::triggered,               [&workflow](bool) { workflow.showHistory(); });
    bind(&window.namesList(),          &QtNamesList::rowDoubleClicked,    [&workflow](int row) { workflow.onNamesRowDoubleClicked(row); });
    bind(&window,                      &MainWindow::pathDropped,          [&workflow](const QString& path) { workflow.openPath(path); });
    bind(&window,                      &MainWindow::recentListChosen,     [&workflow](const QString& path) { workflow.openRecentList(path); });
    bind(&window.fillInBox(),          &QCheckBox::toggled,               [&workflow](bool fillIn) { workflow.setFillIn(fillIn); });
    bind(&window,                      &MainWindow::listTextGiven,        [&workflow](const QString& text) { workflow.pasteList(text); });
    bind(&window.saveAction(),         &QAction::triggered,               [&workflow](bool) { workflow.saveList(); });
    bind(&window.changeValuesAction(), &QAction::triggered,               [&workflow](bool) { workflow.changeValues(); });
    bind(&window.literalAction(),      &QAction::toggled,                 [&workflow](bool literal) { workflow.setNotationUsed(!literal); });
    bind(&window.openTemplateAction(), &QAction::triggered,               [&workflow](bool) { workflow.openTemplateFolder(); });
    bind(&window.shelfMenu().addFolderAction(), &QAction::triggered,      [&shelves](bool) { shelves.addOpenFolder(); });
    bind(&window.shelfMenu(),          &ShelfMenu::removeChosen,          [&shelves](const QString& name) { shelves.remove(name); });
    bind(&window.shelfMenu(),          &ShelfMenu::listChosen,            [&workflow](const Shelf& shelf, const QString& list) { workflow.openShelfList(shelf, list); });
    // clang-format on
}

EventBinding::~EventBinding()
{
    for (const auto& connection : connections_)
        QObject::disconnect(connection);
}

}  // namespace kestrune
