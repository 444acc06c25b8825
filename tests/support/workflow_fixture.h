#pragma once

#include "fake_clock.h"
#include "fake_controls.h"
#include "fake_desktop.h"
#include "fake_folders.h"
#include "fake_history_box.h"
#include "fake_list_reader.h"
#include "fake_mount_table.h"
#include "fake_shelf_reader.h"
#include "folder_list_workflow.h"
#include "posix_list_writer.h"
#include "recent_lists.h"
#include "remembered_values.h"
#include "shelf_list_reader.h"
#include "shelf_settings.h"
#include "temporary_history.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <utility>

namespace kestrune::test {

// Settings in a file of their own, gone with the object: a test never
// touches the person's real settings.
struct TemporarySettings {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("kestrune.conf")), QSettings::IniFormat};
};

// The workflow over recording doubles of every control and host service, with
// real files and folders underneath.
struct WorkflowFixture {
    // `historyAt`: the history a window started before left, or none for
    // a history of its own.
    explicit WorkflowFixture(QString historyAt = QString()) : historyFolder(std::move(historyAt)) {}
    // Over settings and a history kept elsewhere: a fuzz run keeps one of
    // each for every input, since a set made and dropped is written to disk
    // each time, and a folder made and removed costs more than most presses.
    WorkflowFixture(QSettings& shared, QString historyAt)
        : ownSettings(nullptr), settings(shared), ownSystemSettings(nullptr), systemSettings(shared),
          historyFolder(std::move(historyAt))
    {
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
    WorkflowState& state() { return workflowState; }

    FakeItemList namesList;
    FakeNameBox parentNameEdit;
    FakeTextViewer readmeViewer;
    FakeDriveList driveList;
    FakeFolderList folderList;
    FakeFileList fileList;
    FakeDesktop desktop;
    FakeListReader lists;
    PosixListWriter writer;
    FakeFolders folders;
    FakeMountTable mounts;
    FakeClock clock;
    std::unique_ptr<TemporarySettings> ownSettings = std::make_unique<TemporarySettings>();
    QSettings& settings = ownSettings->settings;
    RecentLists recentLists{settings};
    RememberedValues rememberedValues{settings};
    // The administrator's; over shared settings, the same set.
    std::unique_ptr<TemporarySettings> ownSystemSettings = std::make_unique<TemporarySettings>();
    QSettings& systemSettings = ownSystemSettings->settings;
    ShelfSettings shelves{settings, systemSettings};
    // Lists on shelves: from the fake's tables, or never (given a moment, the
    // window's events running meanwhile as the desktop's keepResponsive runs them).
    FakeShelfReader shelfReader;
    ShelfListReader shelfLists{shelfReader, std::chrono::milliseconds(100), [this] { desktop.keepResponsive(); }};
    QString historyFolder;
    TemporaryHistory history{folders, clock, historyFolder};
    FakeHistoryBox historyBox;
    WorkflowState workflowState;
    FolderListWorkflow workflow{
        workflowState, WorkflowControls{namesList, parentNameEdit, readmeViewer, driveList, folderList, fileList},
        WorkflowHost{desktop, lists, writer, folders, mounts, recentLists, rememberedValues, clock, shelves, shelfLists,
                     history.history, historyBox}};
};

// Writes `bytes` to `dir`/`name` and returns the full path; fails the test run
// loudly if the file cannot be written.
QString writeFile(const QString& dir, const QString& name, const QByteArray& bytes);

// Every entry below `root`, relative to it and sorted; folders end in "/".
QStringList entriesBelow(const QString& root);

// `count` lines "name1" ... joined by `lineEnd`, with a final line end.
QByteArray numberedLines(int count, const QByteArray& lineEnd = "\r\n");

}  // namespace kestrune::test
