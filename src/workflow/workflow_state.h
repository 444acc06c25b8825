#pragma once

#include "folder_tree.h"
#include "line_preview.h"
#include "list_limits.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace kestrune {

// The lines of the last list file read, slots 0 to 1000; line k goes to slot k.
// Every access is checked: outside the bounds it fails with error 9.
class FolderNameTable {
public:
    static constexpr std::int32_t LowerBound = 0;
    static constexpr std::int32_t UpperBound = mostListLines;

    QString& operator()(std::int32_t index);
    const QString& operator()(std::int32_t index) const;

private:
    static void check(std::int32_t index);
    std::array<QString, UpperBound + 1> slots_{};
};

// Whether the names shown come from a list that the create button may make.
enum class ListState {
    NotReady,
    Ready,
};

// The list as it stood before a press: an undo of that press brings it back.
struct ListBeforePress {
    QString listFilePath;
    QString baseFolder;
    QString typedParentName;  // exactly as typed, spaces and all
    QStringList lines;
};

// What carries one list file from its choice to the creation of its folders.
// Starts empty or zero with the window; nothing initialises it again.
struct WorkflowState {
    QString listFilePath;
    QString baseFolder;  // always ends in the path separator once set
    FolderNameTable names;
    std::int16_t nameCount = 0;
    ListState listState = ListState::NotReady;
    // The names list's lines as the create button would treat them, for the
    // parent name as last typed; empty in the Readme viewer.
    QList<LinePreview> preview;
    bool windowsFileSystem = false;  // the list's folder keeps Windows' naming rules
    // What the last press that made anything made: the undo works from it.
    CreationRecord lastCreation;
    ListBeforePress beforeLastCreation;
    bool completionShown = false;  // the names list holds the completion line
};

// True when the list file is shown as text instead of as names: its path
// holds the Readme marker, exactly as written (capitals and width count).
bool isReadmePath(const QString& listFilePath);

}  // namespace kestrune
