#pragma once

#include "fake_controls.h"
#include "fake_desktop.h"
#include "fake_file_input.h"
#include "fake_folders.h"
#include "folder_list_workflow.h"

#include <QByteArray>
#include <QString>

namespace kestrune::test {

// The workflow over recording doubles of every control and host service, with
// real files and folders underneath. Controls start with their layout texts.
struct WorkflowFixture {
    WorkflowFixture()
    {
        Dir1.onChange = [this] { workflow.Dir1_Change(); };
    }

    // Reads `path` as the file click would have prepared it.
    void load(const QString& path, const QString& baseFolder = QString())
    {
        List1.items.clear();
        state().LoadState = NoListReady;
        state().ListFilePath = path;
        state().BaseFolder = baseFolder;
        workflow.ReadListFile();
    }
    WorkflowState& state() { return workflow.state(); }

    FakeListBox List1;
    FakeTextBox Text1{QStringLiteral("Text1")};
    FakeFrame Frame1;
    FakeTextBox Text2{QStringLiteral("Text2")};
    FakeDriveListBox Drive1;
    FakeDirListBox Dir1;
    FakeFileListBox File1;
    FakeDesktop desktop;
    FakeFileInput files;
    FakeFolders folders;
    FolderListWorkflow workflow{WorkflowControls{List1, Text1, Frame1, Text2, Drive1, Dir1, File1}, desktop, files,
                                folders};
};

// Writes `bytes` to `dir`/`name` and returns the full path; fails the test run
// loudly if the file cannot be written.
QString writeFile(const QString& dir, const QString& name, const QByteArray& bytes);

// `count` lines "name1" ... joined by `lineEnd`, with a final line end.
QByteArray numberedLines(int count, const QByteArray& lineEnd = "\r\n");

}  // namespace kestrune::test
