#pragma once

#include "controls.h"
#include "desktop.h"
#include "folders.h"
#include "list_loading.h"
#include "loaded_list.h"
#include "recent_lists.h"
#include "shelf_settings.h"
#include "workflow_state.h"

namespace kestrune {

// The controls browsing moves between.
struct BrowsingControls {
    DriveList& driveList;
    FolderList& folderList;
    FileList& fileList;
};

// Choosing a drive, a folder and a list file, by hand or by path.
class Browsing {
public:
    Browsing(WorkflowState& state, const BrowsingControls& controls, Desktop& desktop, Folders& folders,
             RecentLists& recentLists, const ShelfSettings& shelves, LoadedList& loadedList, ListLoading& loading);

    void onDriveChanged();
    void onFolderClicked(const QString& path);
    void onListFileClicked(const QString& name);
    // Opens `path` as the person would reach it by hand: a folder is browsed
    // to; a file's folder is browsed to and the file is clicked there.
    void openPath(const QString& path);
    // An entry chosen in 「最近使った一覧」. A list file is opened as openPath
    // does; a shelf list is taken from its shelf again, for the folder open
    // now. A file that is gone, or a shelf no longer in the settings, beeps
    // and leaves the menu.
    void openRecentList(const QString& entry);
    // Opens `path` in the folder list; a new folder drops the list loaded.
    void openFolder(const QString& path);
    // Reads the folder open in the folder list again, after another part
    // changed what it holds; one that is gone leaves the list as it was.
    void showFolderAgain();

private:
    WorkflowState& state_;
    BrowsingControls c_;
    Desktop& desktop_;
    Folders& folders_;
    RecentLists& recentLists_;
    const ShelfSettings& shelves_;
    LoadedList& loadedList_;
    ListLoading& loading_;
};

}  // namespace kestrune
