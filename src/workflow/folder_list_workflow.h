#pragma once

#include "controls.h"
#include "desktop.h"
#include "folders.h"
#include "line_reader.h"
#include "mount_table.h"
#include "workflow_state.h"

namespace kestrune {

// The controls of the window that the workflow reads and writes.
struct WorkflowControls {
    ItemList& namesList;
    TextField& parentNameEdit;
    Overlay& readmePanel;
    TextField& readmeText;
    DriveList& driveList;
    FolderList& folderList;
    FileList& fileList;
};

// The window's workflow: the state and the handlers that carry one list file
// from its choice to its folders. Handlers without an error trap of their own
// let RuntimeError out to the caller (the window's event dispatch).
class FolderListWorkflow {
public:
    FolderListWorkflow(const WorkflowControls& controls, Desktop& desktop, LineReader& files, Folders& folders,
                       const MountTable& mounts);

    // Browsing and list-file choice (browsing.cpp).
    void onDriveChanged();
    void onFolderChanged();
    void onFolderClicked();
    void onListFileClicked();

    // Reading the chosen list file (list_loading.cpp).
    void readListFile();

    // The create button (folder_creation.cpp).
    void createFolders();
    // A double-click on a row of the names list: the completion line opens
    // the new parent in the file manager.
    void onNamesRowDoubleClicked(int row);

    // Ctrl+Z and the names list's 「作成を取り消す」 (creation_undo_command.cpp):
    // removes what the last press made and brings its list back.
    void undoLastCreation();

    // The preview of every line (line_preview_marks.cpp): worked out again
    // when the person edits the parent name.
    void onParentNameEdited();

    WorkflowState& state() { return state_; }
    const WorkflowState& state() const { return state_; }

private:
    // The lines of the list loaded, 1 to nameCount.
    QStringList listLines() const;
    // The parent name as the press uses what was typed: trimmed, or the
    // preset name.
    static QString parentNameFrom(const QString& typed);
    // Works out the preview for `parentName` and marks every row with it.
    void showPreview(const QString& parentName);
    // Shows the list of `before` again, ready for another press.
    void restoreList(const ListBeforePress& before);

    WorkflowControls c_;
    Desktop& desktop_;
    LineReader& files_;
    Folders& folders_;
    const MountTable& mounts_;
    WorkflowState state_;
};

}  // namespace kestrune
