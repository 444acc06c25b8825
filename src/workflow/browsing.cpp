#include "folder_list_workflow.h"
#include "folder_paths.h"
#include "workflow_texts.h"

namespace kestrune {

void FolderListWorkflow::onDriveChanged()
{
    resetList();
    try {
        openFolder(c_.driveList.rootPath());
    } catch (const RuntimeError& error) {
        // An absent or not-ready volume is worth a word; anything else leaves
        // the folder as it was without one.
        if (error.number() == DeviceUnavailable || error.number() == DiskNotReady)
            desktop_.showMessage(texts::insertDisk);
    }
}

void FolderListWorkflow::openFolder(const QString& path)
{
    const QString before = c_.folderList.path();
    c_.folderList.setPath(path);
    if (c_.folderList.path() != before)
        onFolderChanged();
}

void FolderListWorkflow::onFolderChanged()
{
    resetList();
    c_.fileList.setPath(c_.folderList.path());
}

void FolderListWorkflow::onFolderClicked(const QString& path)
{
    openFolder(path);
}

void FolderListWorkflow::onListFileClicked(const QString& name)
{
    resetList();
    const QString folder = c_.folderList.path();
    state_.baseFolder = withTrailingSeparator(folder);
    state_.listFilePath = joinPath(folder, name);
    readListFile();
}

void FolderListWorkflow::openPath(const QString& path)
{
    const QString target = cleanFolderPath(path);
    if (folders_.kindOf(target) == EntryKind::Folder) {
        openFolder(target);
        return;
    }
    // A file is chosen as a click would choose it, even one the list does not
    // offer or one that is gone, so that it gives the messages a click gives.
    const qsizetype slash = target.lastIndexOf(pathSeparator);
    const QString name = target.mid(slash + 1);
    openFolder(slash == 0 ? QString(pathSeparator) : target.left(slash));
    c_.fileList.choose(name);
    onListFileClicked(name);
}

void FolderListWorkflow::openRecentList(const QString& path)
{
    if (folders_.kindOf(path) != EntryKind::Other) {
        desktop_.beep();
        recentLists_.remove(path);
        return;
    }
    openPath(path);
}

}  // namespace kestrune
