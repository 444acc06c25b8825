#pragma once

#include "folders.h"

#include <QList>
#include <QString>

// What one press made: the undo, the history and the completion line all
// work from it.
namespace kestrune {

// One thing a press made, in the order made: a parent before what it holds.
struct MadeEntry {
    QString path;                        // relative to the base: the parent's name, then "parent/level/…"
    FolderId id;                         // which folder (or file) it is, so that a replaced one is told apart
    EntryKind kind = EntryKind::Folder;  // Folder, or Other for a copied file
    FileStamp stamp = {};                // a file's size and time right after it was made
};

// What a press did with one parent.
struct ParentOutcome {
    QString name;          // as made ("#" added) or found
    bool made = false;     // made by the press, not filled in
    int foldersMade = 0;   // sub-folders made in it
    int alreadyThere = 0;  // folders of the list that were there before the press
    int filesCopied = 0;   // template files copied into it
    int filesKept = 0;     // template files there already, kept as they were
};

// What one press made, in the order made (so parents come before what they
// hold); undo works from it and keeps in it what it could not remove yet.
// Kept as far as it got when a press fails.
struct CreationRecord {
    // The folder the parents are in, as it was opened for the press. It is
    // not held open afterwards: an open folder would keep a USB stick from
    // being taken out until the program ends.
    QString basePath;
    FolderId baseId;
    QList<ParentOutcome> parents;  // in the order reached
    QList<MadeEntry> made;         // each parent made, then what was made in it
    int alreadyThere = 0;          // folders of the list there before the press, over all parents

    bool isEmpty() const { return made.isEmpty(); }
    // Parents among the folders made (only they lie directly in the base).
    qsizetype parentsMade() const;
    bool holdsParent() const { return parentsMade() > 0; }
    // Sub-folders made, the parents not counted.
    qsizetype subFoldersMade() const;
    // Files made.
    qsizetype filesMade() const;
    // The full path of the first parent reached, for messages and opening;
    // empty before one is.
    QString parentPath() const;
    // The full path of an entry of `made`, for messages.
    QString pathOf(const MadeEntry& entry) const;
};

}  // namespace kestrune
