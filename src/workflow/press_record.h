#pragma once

#include "creation_record.h"
#include "folders.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// What the history keeps of one press: when and by whom, from which list,
// where, and everything it made, with what undos have taken back since.
namespace kestrune {

enum class PressState {
    Done,          // finished, nothing undone
    Undone,        // an undo took back all it made (or found it gone)
    PartlyUndone,  // an undo ran, and something it made is still there
    Interrupted,   // stopped by a failure, or killed, before it finished
};

struct PressRecord {
    enum class Ending {
        None,       // still running, or killed
        Completed,  // everything made
        Stopped,    // stopped at a failure
    };

    qint64 number = 0;  // the record's number in the history; 0 before it has one
    QDateTime startedAt;
    QString user;
    QString listFilePath;  // empty for a pasted list
    QString basePath;      // the folder the parents are in
    FolderId baseId;
    QStringList plannedParents;    // the parents' names as planned, before any "#"
    QList<ParentOutcome> parents;  // as reached, in that order
    QList<MadeEntry> made;
    Ending ending = Ending::None;
    // Per item of `made`: an undo removed it, or found it no longer this
    // program's (gone, or another folder in its place).
    QList<bool> gone;
    int undos = 0;  // undos run on it

    PressState state() const;
    // Something it made may still be there to remove.
    bool hasUndoLeft() const;
    // Folders made, the parents not counted (as the completion line counts).
    qsizetype foldersMade() const;
    qsizetype filesMade() const;
    // The parents' full paths: those reached, or those planned when the
    // press never reached one.
    QStringList parentPaths() const;
    // What is still there to remove, for the undo.
    CreationRecord leftToUndo() const;
};

}  // namespace kestrune
