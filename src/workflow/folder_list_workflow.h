#pragma once

#include "clock.h"
#include "controls.h"
#include "desktop.h"
#include "folders.h"
#include "list_reader.h"
#include "list_writer.h"
#include "mount_table.h"
#include "recent_lists.h"
#include "remembered_values.h"
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
};

// The window's workflow: the state and the handlers that carry one list file
// from its choice to its folders. A RuntimeError that a handler does not
// answer itself leaves to the caller (the window's event dispatch).
class FolderListWorkflow {
public:
    FolderListWorkflow(const WorkflowControls& controls, const WorkflowHost& host);

    // Browsing and list-file choice (browsing.cpp).
    void onDriveChanged();
    void onFolderClicked(const QString& path);
    void onListFileClicked(const QString& name);
    // Opens `path` as the person would reach it by hand: a folder is browsed
    // to; a file's folder is browsed to and the file is clicked there.
    void openPath(const QString& path);
    // A list file chosen in 「最近使った一覧」: opened as openPath does; one
    // that is gone beeps and leaves the menu.
    void openRecentList(const QString& path);

    // Reading the chosen list file (list_loading.cpp).
    void readListFile();
    // Ctrl+V, 「貼り付け」 or text dropped on the window: `text` (a range
    // copied from a spreadsheet, say) is the list, read as a list file is,
    // and made in the folder open in the folder list. Empty text beeps.
    void pasteList(const QString& text);
    // Ctrl+S and 「一覧として保存…」 (list_saving.cpp): the list loaded is
    // written as a list file into the folder open in the folder list, and is
    // that file from then on.
    void saveList();

    // The create button (folder_creation.cpp).
    void createFolders();
    // A double-click on a row of the names list: the completion line opens
    // the new parent in the file manager.
    void onNamesRowDoubleClicked(int row);

    // Ctrl+Z and the names list's 「作成を取り消す」 (creation_undo_command.cpp):
    // removes what the last press made and brings its list back.
    void undoLastCreation();

    // The preview of every line (line_preview_marks.cpp): worked out again
    // when the person edits the parent name.
    void onParentNameEdited();

    // 「値を変更…」 (notation_values.cpp): asks again for the values and the
    // reference date the list's notation is filled in with.
    void changeValues();
    // 「記法を使わない」: every line taken as written (or its notation read again).
    void setNotationUsed(bool used);

    // 「既存のフォルダーに追加」 (line_preview_marks.cpp): a parent that is
    // there already is filled in with what it lacks, and the preview
    // compares every folder with the disk.
    void setFillIn(bool fillIn);

    WorkflowState& state() { return state_; }
    const WorkflowState& state() const { return state_; }

private:
    // Opens `path` in the folder list; a new folder drops the list loaded.
    void openFolder(const QString& path);
    void onFolderChanged();
    // No list is loaded any more: the names list is empty and the press beeps.
    void resetList();
    // Shows `lines` as the list loaded, ready for the press.
    void showLoadedList(QStringList lines);
    // Works out the preview for the parent name typed and shows it: the
    // rows of the names list and the name box's status.
    void showPreview();
    // Asks for the values the list and the parent name use (and the date,
    // when `always` or when dates are used); false when there is nothing to
    // ask and `always` is false, or the person left the box.
    bool askForValues(bool always);
    // Shows the list of `before` again, ready for another press.
    void restoreList(const ListBeforePress& before);

    WorkflowControls c_;
    Desktop& desktop_;
    ListReader& lists_;
    ListWriter& writer_;
    Folders& folders_;
    const MountTable& mounts_;
    RecentLists& recentLists_;
    RememberedValues& rememberedValues_;
    const Clock& clock_;
    WorkflowState state_;
};

}  // namespace kestrune
