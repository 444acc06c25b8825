#pragma once

#include "controls.h"
#include "desktop.h"
#include "folders.h"
#include "line_reader.h"
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
    FolderListWorkflow(const WorkflowControls& controls, Desktop& desktop, LineReader& files, Folders& folders);

    // Browsing and list-file choice (browsing.cpp).
    void onDriveChanged();
    void onFolderChanged();
    void onFolderClicked();
    void onListFileClicked();

    // Reading the chosen list file (list_loading.cpp).
    void readListFile();

    // The create button (folder_creation.cpp).
    void createFolders();

    WorkflowState& state() { return state_; }
    const WorkflowState& state() const { return state_; }

private:
    WorkflowControls c_;
    Desktop& desktop_;
    LineReader& files_;
    Folders& folders_;
    WorkflowState state_;
};

}  // namespace kestrune
