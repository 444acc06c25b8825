#include "undo_command.h"

#include "creation_undo.h"
#include "table_reading.h"
#include "workflow_texts.h"

#include <utility>

namespace kestrune {

UndoCommand::UndoCommand(WorkflowState& state, NameBox& parentNameEdit, Desktop& desktop, Folders& folders,
                         ListReader& lists, ListReader& shelfLists, const MountTable& mounts, LoadedList& loadedList,
                         Browsing& browsing)
    : state_(state), parentNameEdit_(parentNameEdit), desktop_(desktop), folders_(folders), lists_(lists),
      shelfLists_(shelfLists), mounts_(mounts), loadedList_(loadedList), browsing_(browsing)
{
}

void UndoCommand::undoLastCreation()
{
    if (state_.lastCreation.isEmpty()) {
        desktop_.beep();
        return;
    }
    if (!desktop_.askYesNo(undoQuestion(state_.lastCreation), texts::undoTitle))
        return;

    UndoOutcome outcome;
    {
        // Every folder is tried whatever happens to another; the pointer comes
        // back before the report.
        const BusyPointerGuard busy(desktop_);
        outcome = undoCreation(state_.lastCreation, folders_);
    }
    // The record keeps what is still there to remove, for another Ctrl+Z;
    // the list comes back with the first undo only.
    const std::optional<ListBeforePress> before = std::exchange(state_.beforeLastCreation, std::nullopt);
    if (!before) {
        desktop_.showMessage(undoReport(outcome), texts::undoTitle);
        return;
    }

    // The folder list shows the list's folder again, without the removed parent.
    const QString listFolder = before->baseFolder;
    try {
        browsing_.openFolder(listFolder);
    } catch (const RuntimeError&) {  // the list's folder is gone: the check below says so
    }
    desktop_.showMessage(undoReport(outcome), texts::undoTitle);

    // The list comes back only as it was: a list file changed or gone since
    // the press is not shown as if it were the one pressed. A pasted list
    // has no file to change.
    bool unchanged = before->listFilePath.isEmpty();
    // A shelf that does not answer in time counts as a change.
    ListReader& reader = before->shelfList ? shelfLists_ : lists_;
    try {
        unchanged = unchanged || linesFromTable(reader.readList(before->listFilePath)) == before->lines;
    } catch (const RuntimeError&) {
    }
    if (!unchanged) {
        loadedList_.reset();
        desktop_.showMessage(texts::listChangedSincePress.arg(before->listFilePath), texts::undoTitle);
        return;
    }
    restoreList(*before);
}

void UndoCommand::restoreList(const ListBeforePress& before)
{
    loadedList_.reset();
    state_.listFilePath = before.listFilePath;
    state_.shelfList = before.shelfList;
    state_.baseFolder = before.baseFolder;
    state_.lines = before.lines;
    // Its values, date and table; whether the notation is read stays as the menu says.
    state_.notation.values = before.notation.values;
    state_.notation.table = before.notation.table;
    parentNameEdit_.setText(before.typedParentName);
    state_.volume = volumePlaceOf(state_.baseFolder, mounts_);
    state_.listState = ListState::Ready;
    loadedList_.showPreview();
    parentNameEdit_.setFocus();
}

}  // namespace kestrune
