#pragma once

#include "controls.h"
#include "desktop.h"
#include "list_writer.h"
#include "loaded_list.h"
#include "mount_table.h"
#include "recent_lists.h"
#include "workflow_state.h"

namespace kestrune {

// Ctrl+S and 「一覧として保存…」: the list loaded is written as a list file
// into the folder open in the folder list, and is that file from then on.
class ListSaving {
public:
    ListSaving(WorkflowState& state, FolderList& folderList, FileList& fileList, Desktop& desktop, ListWriter& writer,
               RecentLists& recentLists, const MountTable& mounts, LoadedList& loadedList);

    void saveList();

private:
    WorkflowState& state_;
    FolderList& folderList_;
    FileList& fileList_;
    Desktop& desktop_;
    ListWriter& writer_;
    RecentLists& recentLists_;
    const MountTable& mounts_;
    LoadedList& loadedList_;
};

}  // namespace kestrune
