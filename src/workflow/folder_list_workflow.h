#pragma once

#include "controls.h"
#include "desktop.h"
#include "file_input.h"
#include "folders.h"
#include "workflow_state.h"

namespace kestrune {

// The controls of the window that the workflow reads and writes.
struct WorkflowControls {
    ListBox& List1;
    TextBox& Text1;
    Frame& Frame1;
    TextBox& Text2;
    DriveListBox& Drive1;
    DirListBox& Dir1;
    FileListBox& File1;
};

// The window's workflow: the state and the handlers that carry one list file
// from its choice to its folders. Handlers without an error trap of their own
// let RuntimeError out to the caller (the window's event dispatch).
class FolderListWorkflow {
public:
    FolderListWorkflow(const WorkflowControls& controls, Desktop& desktop, FileInput& files, Folders& folders);

    // Browsing and list-file choice (browsing.cpp).
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_Click();
    void File1_Click();

    // Reading the chosen list file (list_loading.cpp).
    void ReadListFile();

    // The create button (folder_creation.cpp).
    void Command2_Click();

    WorkflowState& state() { return state_; }
    const WorkflowState& state() const { return state_; }

private:
    WorkflowControls c_;
    Desktop& desktop_;
    FileInput& files_;
    Folders& folders_;
    WorkflowState state_;
};

}  // namespace kestrune
