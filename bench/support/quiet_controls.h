#pragma once

#include "fake_controls.h"
#include "fake_desktop.h"
#include "folder_list_workflow.h"
#include "mounted_volumes.h"
#include "posix_folders.h"
#include "posix_list_reader.h"
#include "posix_list_writer.h"
#include "recent_lists.h"
#include "workflow_fixture.h"

// The test doubles of every control and the desktop, wired for a
// FolderListWorkflow over the real list reader and mount table: the
// benchmarks time the workflow and the disk, not a window. A benchmark checks
// `desktop.boxes` afterwards, since any message box means the run went wrong.
namespace kestrune::bench {

struct QuietWindow {
    test::FakeDesktop desktop;
    test::FakeItemList namesList;
    test::FakeNameBox parentNameEdit;
    test::FakeTextViewer readmeViewer;
    test::FakeDriveList driveList;
    test::FakeFolderList folderList;
    test::FakeFileList fileList;
    PosixListReader lists;
    PosixListWriter writer;
    ProcMountTable mounts;  // the real one: reading it is part of a load's cost
    test::FakeClock clock;
    test::TemporarySettings settings;
    RecentLists recentLists{settings.settings};
    RememberedValues rememberedValues{settings.settings};
    ShelfSettings shelves{settings.settings, settings.settings};  // none: no shelf list is read
    // Every press is recorded, as the program records it, in a folder of the
    // run's own.
    PosixFolders historyFolders;
    test::TemporaryHistory history{historyFolders, clock};
    test::FakeHistoryBox historyBox;

    WorkflowControls controls() { return {namesList, parentNameEdit, readmeViewer, driveList, folderList, fileList}; }
    WorkflowHost host(Folders& folders)
    {
        return {desktop,          lists, writer,  folders, mounts,          recentLists,
                rememberedValues, clock, shelves, lists,   history.history, historyBox};
    }
};

}  // namespace kestrune::bench
