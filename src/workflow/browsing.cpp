#include "error_trap.h"
#include "folder_list_workflow.h"
#include "folder_paths.h"
#include "workflow_texts.h"

namespace kestrune {

void FolderListWorkflow::onDriveChanged()
{
    // An absent or not-ready volume is reported and the next step runs; any
    // other failure ends the handler without a word.
    ErrorTrap trap([this](const RuntimeError& error) {
        if (error.number() != DeviceUnavailable && error.number() != DiskNotReady)
            return AfterError::ExitHandler;
        desktop_.showMessage(texts::insertDisk);
        return AfterError::ResumeNext;
    });
    trap.run([&] { c_.namesList.clear(); });
    if (trap.exited())
        return;
    state_.listState = ListState::NotReady;
    state_.completionShown = false;
    trap.run([&] { c_.folderList.setPath(c_.driveList.rootPath()); });
}

void FolderListWorkflow::onFolderChanged()
{
    c_.namesList.clear();
    state_.listState = ListState::NotReady;
    state_.completionShown = false;
    c_.fileList.setPath(c_.folderList.path());
}

void FolderListWorkflow::onFolderClicked()
{
    c_.folderList.setPath(c_.folderList.entry(c_.folderList.selectedIndex()));
}

void FolderListWorkflow::onListFileClicked()
{
    c_.namesList.clear();
    state_.listState = ListState::NotReady;
    state_.completionShown = false;
    const QString folder = c_.folderList.path();
    state_.baseFolder = withTrailingSeparator(folder);
    state_.listFilePath = joinPath(folder, c_.fileList.fileName());
    readListFile();
}

}  // namespace kestrune
