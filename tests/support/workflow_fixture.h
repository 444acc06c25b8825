#pragma once

#include "fake_controls.h"
#include "fake_desktop.h"
#include "fake_folders.h"
#include "fake_line_reader.h"
#include "fake_mount_table.h"
#include "folder_list_workflow.h"

#include <QByteArray>
#include <QString>

namespace kestrune::test {

// The workflow over recording doubles of every control and host service, with
// real files and folders underneath. Controls start with their layout texts.
struct WorkflowFixture {
    WorkflowFixture()
    {
        folderList.onChange = [this] { workflow.onFolderChanged(); };
    }

    // Reads `path` as the file click would have prepared it.
    void load(const QString& path, const QString& baseFolder = QString())
    {
        namesList.items.clear();
        state().listState = ListState::NotReady;
        state().listFilePath = path;
        state().baseFolder = baseFolder;
        workflow.readListFile();
    }
    WorkflowState& state() { return workflow.state(); }

    FakeItemList namesList;
    FakeTextField parentNameEdit{QStringLiteral("parentNameEdit")};
    FakeOverlay readmePanel;
    FakeTextField readmeText{QStringLiteral("readmeText")};
    FakeDriveList driveList;
    FakeFolderList folderList;
    FakeFileList fileList;
    FakeDesktop desktop;
    FakeLineReader files;
    FakeFolders folders;
    FakeMountTable mounts;
    FolderListWorkflow workflow{
        WorkflowControls{namesList, parentNameEdit, readmePanel, readmeText, driveList, folderList, fileList}, desktop,
        files, folders, mounts};
};

// Writes `bytes` to `dir`/`name` and returns the full path; fails the test run
// loudly if the file cannot be written.
QString writeFile(const QString& dir, const QString& name, const QByteArray& bytes);

// `count` lines "name1" ... joined by `lineEnd`, with a final line end.
QByteArray numberedLines(int count, const QByteArray& lineEnd = "\r\n");

}  // namespace kestrune::test
