#pragma once

#include "browsing.h"
#include "controls.h"
#include "desktop.h"
#include "folders.h"
#include "list_reader.h"
#include "loaded_list.h"
#include "mount_table.h"
#include "press_history.h"
#include "workflow_state.h"

namespace kestrune {

// Ctrl+Z and the names list's 「作成を取り消す」: removes what the last press
// made and brings its list back, ready for a corrected press. With nothing
// left of this window's press to undo (after a restart, say), it reaches the
// newest press in the history that something is left to undo of, whether
// the window or the command line made it.
class UndoCommand {
public:
    // `shelfLists` reads again a list taken from a shelf.
    UndoCommand(WorkflowState& state, NameBox& parentNameEdit, Desktop& desktop, Folders& folders, ListReader& lists,
                ListReader& shelfLists, const MountTable& mounts, PressHistory& history, LoadedList& loadedList,
                Browsing& browsing);

    void undoLastCreation();

private:
    // The undo of the newest press in the history.
    void undoFromHistory();
    // Shows the list of `before` again, ready for another press.
    void restoreList(const ListBeforePress& before);

    WorkflowState& state_;
    NameBox& parentNameEdit_;
    Desktop& desktop_;
    Folders& folders_;
    ListReader& lists_;
    ListReader& shelfLists_;
    const MountTable& mounts_;
    PressHistory& history_;
    LoadedList& loadedList_;
    Browsing& browsing_;
};

}  // namespace kestrune
