#pragma once

#include "clock.h"
#include "controls.h"
#include "desktop.h"
#include "list_reader.h"
#include "list_values.h"
#include "loaded_list.h"
#include "mount_table.h"
#include "recent_lists.h"
#include "workflow_state.h"

namespace kestrune {

// The controls loading a list touches.
struct LoadingControls {
    TextViewer& readmeViewer;
    NameBox& parentNameEdit;
    FolderList& folderList;
    FileList& fileList;
};

// Reading a list, from its file or from pasted text, into the list loaded.
class ListLoading {
public:
    ListLoading(WorkflowState& state, const LoadingControls& controls, Desktop& desktop, ListReader& lists,
                RecentLists& recentLists, const MountTable& mounts, const Clock& clock, LoadedList& loadedList,
                ListValues& values);

    // Reads the list file the state names: a Readme file is shown as text,
    // any other is loaded with its preview.
    void readListFile();
    // Ctrl+V, 「貼り付け」 or text dropped on the window: `text` (a range
    // copied from a spreadsheet, say) is the list, read as a list file is,
    // and made in the folder open in the folder list. Empty text beeps.
    void pasteList(const QString& text);

private:
    void showLoadedList(QStringList lines);

    WorkflowState& state_;
    LoadingControls c_;
    Desktop& desktop_;
    ListReader& lists_;
    RecentLists& recentLists_;
    const MountTable& mounts_;
    const Clock& clock_;
    LoadedList& loadedList_;
    ListValues& values_;
};

}  // namespace kestrune
