#include "browsing.h"

#include "folder_paths.h"
#include "workflow_texts.h"

namespace kestrune {

Browsing::Browsing(WorkflowState& state, const BrowsingControls& controls, Desktop& desktop, Folders& folders,
                   RecentLists& recentLists, const ShelfSettings& shelves, LoadedList& loadedList, ListLoading& loading)
    : state_(state), c_(controls), desktop_(desktop), folders_(folders), recentLists_(recentLists), shelves_(shelves),
      loadedList_(loadedList), loading_(loading)
{
}

void Browsing::onDriveChanged()
{
    loadedList_.reset();
    try {
        openFolder(c_.driveList.rootPath());
    } catch (const RuntimeError& error) {
        // An absent or not-ready volume is worth a word; anything else leaves
        // the folder as it was without one.
        if (error.number() == DeviceUnavailable || error.number() == DiskNotReady)
            desktop_.showMessage(texts::insertDisk);
    }
}

void Browsing::openFolder(const QString& path)
{
    const QString before = c_.folderList.path();
    c_.folderList.setPath(path);
    // A new folder drops the list loaded and shows its list files.
    if (c_.folderList.path() != before) {
        loadedList_.reset();
        c_.fileList.setPath(c_.folderList.path());
    }
}

void Browsing::showFolderAgain()
{
    // The same path reads the folder again without dropping the list loaded.
    try {
        c_.folderList.setPath(c_.folderList.path());
    } catch (const RuntimeError&) {
    }
}

void Browsing::onFolderClicked(const QString& path)
{
    openFolder(path);
}

void Browsing::onListFileClicked(const QString& name)
{
    const QString folder = c_.folderList.path();
    state_.baseFolder = withTrailingSeparator(folder);
    state_.listFilePath = joinPath(folder, name);
    loading_.readListFile();
}

void Browsing::openPath(const QString& path)
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

void Browsing::openRecentList(const QString& entry)
{
    if (const std::optional<RecentShelfList> remembered = recentShelfListOf(entry)) {
        // A shelf that does not answer now may answer later: only a shelf
        // taken off the settings takes its lists off the menu.
        if (const std::optional<Shelf> shelf = shelves_.find(remembered->shelfName))
            loading_.openShelfList({*shelf, remembered->listName});
        else {
            desktop_.beep();
            recentLists_.remove(entry);
        }
        return;
    }
    if (folders_.kindOf(entry) != EntryKind::Other) {
        desktop_.beep();
        recentLists_.remove(entry);
        return;
    }
    openPath(entry);
}

}  // namespace kestrune
