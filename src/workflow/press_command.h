#pragma once

#include "controls.h"
#include "desktop.h"
#include "folders.h"
#include "loaded_list.h"
#include "press_history.h"
#include "workflow_state.h"

namespace kestrune {

// The controls the press shows its progress and its outcome in.
struct PressControls {
    ItemList& namesList;
    NameBox& parentNameEdit;
    FolderList& folderList;
};

// The create button: plans a press of the list loaded, carries it out while
// marking the rows, and shows the completion line.
class PressCommand {
public:
    PressCommand(WorkflowState& state, const PressControls& controls, Desktop& desktop, Folders& folders,
                 PressHistory& history, LoadedList& loadedList);

    // A RuntimeError that stops the press leaves to the caller (the window's
    // event dispatch), after what was made is kept for the undo.
    void createFolders();
    // A double-click on a row of the names list: the completion line opens
    // the new parent in the file manager.
    void onNamesRowDoubleClicked(int row);

private:
    void showCompletion(const CreationRecord& record, bool recorded);

    WorkflowState& state_;
    PressControls c_;
    Desktop& desktop_;
    Folders& folders_;
    PressHistory& history_;
    LoadedList& loadedList_;
};

}  // namespace kestrune
