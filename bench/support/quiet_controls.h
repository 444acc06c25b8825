#pragma once

#include "fake_controls.h"
#include "fake_desktop.h"
#include "folder_list_workflow.h"
#include "mounted_volumes.h"

// The test doubles of every control and the desktop, wired for a
// FolderListWorkflow: the benchmarks time the workflow and the disk, not a
// window. A benchmark checks `desktop.boxes` afterwards, since any message box
// means the run went wrong.
namespace kestrune::bench {

struct QuietWindow {
    test::FakeDesktop desktop;
    test::FakeItemList namesList;
    test::FakeTextField parentNameEdit;
    test::FakeOverlay readmePanel;
    test::FakeTextField readmeText;
    test::FakeDriveList driveList;
    test::FakeFolderList folderList;
    test::FakeFileList fileList;
    ProcMountTable mounts;  // the real one: reading it is part of a load's cost

    WorkflowControls controls()
    {
        return {namesList, parentNameEdit, readmePanel, readmeText, driveList, folderList, fileList};
    }
};

}  // namespace kestrune::bench
