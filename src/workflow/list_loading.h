#pragma once

#include "clock.h"
#include "controls.h"
#include "desktop.h"
#include "list_reader.h"
#include "list_values.h"
#include "loaded_list.h"
#include "mount_table.h"
#include "recent_lists.h"
#include "shelf_list.h"
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
    // `shelfLists` reads the lists taken from shelves, which may lie on a
    // share that has gone away.
    ListLoading(WorkflowState& state, const LoadingControls& controls, Desktop& desktop, ListReader& lists,
                ListReader& shelfLists, RecentLists& recentLists, const MountTable& mounts, const Clock& clock,
                LoadedList& loadedList, ListValues& values);

    // Reads the list file the state names: a Readme file is shown as text,
    // any other is loaded with its preview.
    void readListFile();
    // Ctrl+V, 「貼り付け」 or text dropped on the window: `text` (a range
    // copied from a spreadsheet, say) is the list, read as a list file is,
    // and made in the folder open in the folder list. Empty text beeps.
    void pasteList(const QString& text);
    // A list chosen on a shelf (or among the recent lists): read from the
    // shelf with the busy pointer, then loaded as a pasted list is, to be
    // made in the folder open in the folder list. A list that cannot be read
    // or does not answer in time fails with its error, and the list loaded
    // stays.
    void openShelfList(const ShelfList& list);

private:
    // `lines` (pasted, or taken from `shelfList`) become the list loaded,
    // made in the folder open now; no file is chosen.
    void loadForOpenFolder(const QStringList& lines, const std::optional<ShelfList>& shelfList);
    void showReadme(const QStringList& lines);
    void showLoadedList(QStringList lines);

    WorkflowState& state_;
    LoadingControls c_;
    Desktop& desktop_;
    ListReader& lists_;
    ListReader& shelfLists_;
    RecentLists& recentLists_;
    const MountTable& mounts_;
    const Clock& clock_;
    LoadedList& loadedList_;
    ListValues& values_;
};

}  // namespace kestrune
