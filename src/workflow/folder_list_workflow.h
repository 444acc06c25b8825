#pragma once

#include "browsing.h"
#include "clock.h"
#include "controls.h"
#include "desktop.h"
#include "folders.h"
#include "history_box.h"
#include "history_command.h"
#include "list_loading.h"
#include "list_reader.h"
#include "list_saving.h"
#include "list_values.h"
#include "list_writer.h"
#include "loaded_list.h"
#include "mount_table.h"
#include "press_command.h"
#include "press_history.h"
#include "recent_lists.h"
#include "remembered_values.h"
#include "shelf_list.h"
#include "shelf_settings.h"
#include "template_folder_command.h"
#include "undo_command.h"
#include "values_table_reading.h"
#include "workflow_state.h"

namespace kestrune {

// The controls of the window that the workflow reads and writes.
struct WorkflowControls {
    ItemList& namesList;
    NameBox& parentNameEdit;
    TextViewer& readmeViewer;
    DriveList& driveList;
    FolderList& folderList;
    FileList& fileList;
};

// The host services the workflow reaches.
struct WorkflowHost {
    Desktop& desktop;
    ListReader& lists;
    ListWriter& writer;
    Folders& folders;
    const MountTable& mounts;
    RecentLists& recentLists;
    RememberedValues& rememberedValues;
    const Clock& clock;
    // The shelves, and the reader of the lists on them (which answers within a limit).
    const ShelfSettings& shelves;
    ListReader& shelfLists;
    PressHistory& history;
    HistoryBox& historyBox;
};

// The window's workflow: the handlers that carry one list from its choice to
// its folders, each answered by the class that owns it, over one state. A
// RuntimeError that a handler does not answer itself leaves to the caller
// (the window's event dispatch).
class FolderListWorkflow {
public:
    FolderListWorkflow(WorkflowState& state, const WorkflowControls& controls, const WorkflowHost& host);

    // Browsing and the list file's choice (browsing.h).
    void onDriveChanged() { browsing_.onDriveChanged(); }
    void onFolderClicked(const QString& path) { browsing_.onFolderClicked(path); }
    void onListFileClicked(const QString& name) { browsing_.onListFileClicked(name); }
    void openPath(const QString& path) { browsing_.openPath(path); }
    void openRecentList(const QString& entry) { browsing_.openRecentList(entry); }
    // A list chosen in the 「棚」 menu (list_loading.h).
    void openShelfList(const Shelf& shelf, const QString& listName) { loading_.openShelfList({shelf, listName}); }

    // Reading a list (list_loading.h), and keeping it as a file (list_saving.h).
    void readListFile() { loading_.readListFile(); }
    void pasteList(const QString& text) { loading_.pasteList(text); }
    void saveList() { saving_.saveList(); }

    // The preview (loaded_list.h) and the notation's values (list_values.h).
    void onParentNameEdited() { loadedList_.onParentNameEdited(); }
    void setFillIn(bool fillIn) { loadedList_.setFillIn(fillIn); }
    void changeValues() { values_.changeValues(); }
    void setNotationUsed(bool used) { values_.setNotationUsed(used); }

    // The create button (press_command.h) and the undo (undo_command.h).
    void createFolders() { press_.createFolders(); }
    void onNamesRowDoubleClicked(int row) { press_.onNamesRowDoubleClicked(row); }
    void undoLastCreation() { undo_.undoLastCreation(); }
    // 「ひな形フォルダーを開く」 (template_folder_command.h).
    void openTemplateFolder() { templateFolder_.openTemplateFolder(); }
    // Ctrl+H and 「作成履歴…」 (history_command.h).
    void showHistory() { history_.showHistory(); }

private:
    TextValuesTableReader tables_;
    LoadedList loadedList_;
    ListValues values_;
    ListLoading loading_;
    ListSaving saving_;
    Browsing browsing_;
    PressCommand press_;
    UndoCommand undo_;
    HistoryCommand history_;
    TemplateFolderCommand templateFolder_;
};

}  // namespace kestrune
