#pragma once

#include "folder_tree.h"
#include "line_preview.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kestrune {

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
struct WorkflowState {
    QString listFilePath;
    QString baseFolder;  // always ends in the path separator once set
    QStringList lines;   // the lines of the list loaded, in order
    ListState listState = ListState::NotReady;
    // The names list's lines as the create button would treat them, for the
    // parent name as last typed; empty in the Readme viewer.
    QList<LinePreview> preview;
    VolumePlace volume;  // where the list's folder lies
    // What the last press that made anything made: the undo works from it.
    CreationRecord lastCreation;
    ListBeforePress beforeLastCreation;
    bool completionShown = false;  // the names list holds the completion line
};

// True when the list file is shown as text instead of as names: its path
// holds the Readme marker, exactly as written (capitals and width count).
bool isReadmePath(const QString& listFilePath);

}  // namespace kestrune
