#include "undo_command.h"

#include "creation_undo.h"
#include "history_texts.h"
#include "press_history_browser.h"
#include "table_reading.h"
#include "workflow_texts.h"

#include <utility>

namespace kestrune {

UndoCommand::UndoCommand(WorkflowState& state, NameBox& parentNameEdit, Desktop& desktop, Folders& folders,
                         ListReader& lists, ListReader& shelfLists, const MountTable& mounts, PressHistory& history,
                         LoadedList& loadedList, Browsing& browsing)
    : state_(state), parentNameEdit_(parentNameEdit), desktop_(desktop), folders_(folders), lists_(lists),
      shelfLists_(shelfLists), mounts_(mounts), history_(history), loadedList_(loadedList), browsing_(browsing)
{
}

void UndoCommand::undoLastCreation()
{
    if (state_.lastCreation.isEmpty()) {
        undoFromHistory();
        return;
    }
    if (!desktop_.askYesNo(undoQuestion(state_.lastCreation), texts::undoTitle))
        return;

    UndoOutcome outcome;
    bool recorded = true;
    {
        // Every folder is tried whatever happens to another; the pointer comes
        // back before the report.
        const BusyPointerGuard busy(desktop_);
        const CreationRecord before = state_.lastCreation;
        outcome = undoCreation(state_.lastCreation, folders_);
        // The window's record is the whole one even when the history's is
        // not; the history is told what went.
        recorded =
            state_.lastPressNumber <= 0 || history_.noteUndo(state_.lastPressNumber, before, state_.lastCreation);
    }
    const QString report =
        undoReport(outcome) + (recorded ? QString() : QStringLiteral("\n\n") + texts::undoNotRecorded);
    // The record keeps what is still there to remove, for another Ctrl+Z;
    // the list comes back with the first undo only.
    const std::optional<ListBeforePress> before = std::exchange(state_.beforeLastCreation, std::nullopt);
    if (!before) {
        desktop_.showMessage(report, texts::undoTitle);
        return;
    }

    // The folder list shows the list's folder again, without the removed parent.
    const QString listFolder = before->baseFolder;
    try {
        browsing_.openFolder(listFolder);
    } catch (const RuntimeError&) {  // the list's folder is gone: the check below says so
    }
    desktop_.showMessage(report, texts::undoTitle);

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

void UndoCommand::undoFromHistory()
{
    std::optional<PressRecord> press = history_.newestToUndo();
    if (!press) {
        desktop_.beep();
        return;
    }
    // A press of another window, of the command line or of an earlier day:
    // its time says which.
    const QString question =
        state_.pressesHere.contains(press->number) ? undoQuestion(press->leftToUndo()) : historyUndoQuestion(*press);
    if (!desktop_.askYesNo(question, texts::undoTitle))
        return;
    HistoryUndo done;
    {
        const BusyPointerGuard busy(desktop_);
        done = history_.undo(*press);
    }
    browsing_.showFolderAgain();
    desktop_.showMessage(undoReport(done.outcome) +
                             (done.recorded ? QString() : QStringLiteral("\n\n") + texts::undoNotRecorded),
                         texts::undoTitle);
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
