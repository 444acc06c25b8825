#include "creation_undo.h"
#include "folder_list_workflow.h"
#include "folder_paths.h"
#include "list_reading.h"
#include "workflow_texts.h"

namespace kestrune {

void FolderListWorkflow::undoLastCreation()
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
        outcome = undoCreation(state_.lastCreation);
    }
    // The record keeps what is still there to remove, for another Ctrl+Z;
    // the list comes back with the first undo only.
    const ListBeforePress before = state_.beforeLastCreation;
    state_.beforeLastCreation = ListBeforePress{};
    if (before.listFilePath.isEmpty()) {
        desktop_.showMessage(undoReport(outcome), texts::undoTitle);
        return;
    }

    // The folder list shows the list's folder again, without the removed parent.
    const QString listFolder = before.baseFolder;
    try {
        c_.folderList.setPath(listFolder);
    } catch (const RuntimeError&) {  // the list's folder is gone: the check below says so
    }
    desktop_.showMessage(undoReport(outcome), texts::undoTitle);

    // The list comes back only as it was: a list file changed or gone since
    // the press is not shown as if it were the one pressed.
    bool unchanged = false;
    try {
        unchanged = readListLines(files_, before.listFilePath) == before.lines;
    } catch (const RuntimeError&) {
    }
    if (!unchanged) {
        c_.namesList.clear();
        state_.listState = ListState::NotReady;
        state_.completionShown = false;
        state_.preview.clear();
        desktop_.showMessage(texts::listChangedSincePress.arg(before.listFilePath), texts::undoTitle);
        return;
    }
    restoreList(before);
}

void FolderListWorkflow::restoreList(const ListBeforePress& before)
{
    state_.listFilePath = before.listFilePath;
    state_.baseFolder = before.baseFolder;
    state_.nameCount = static_cast<std::int16_t>(before.lines.size());
    for (qsizetype index = 0; index < before.lines.size(); ++index)
        state_.names(static_cast<std::int32_t>(index + 1)) = before.lines.at(index);
    state_.completionShown = false;
    c_.namesList.clear();
    for (const QString& line : before.lines)
        c_.namesList.addItem(line);
    c_.parentNameEdit.setText(before.typedParentName);
    state_.windowsFileSystem = isWindowsFileSystemType(fileSystemTypeFor(state_.baseFolder, mounts_.entries()));
    showPreview(parentNameFrom(before.typedParentName));
    state_.listState = ListState::Ready;
    c_.parentNameEdit.setFocus();
}

}  // namespace kestrune
