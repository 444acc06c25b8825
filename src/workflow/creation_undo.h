#pragma once

#include "folder_tree.h"

#include <QList>
#include <QString>

// Taking back what one press made: only the folders it made, only while they
// are still the same folders and empty, and only the files it copied, only
// while they are still the same files and unchanged; never anything else.
namespace kestrune {

enum class KeptBecause {
    HoldsEntries,     // holds a file or a folder the press did not make
    HoldsKeptFolder,  // holds a folder that was itself kept (or failed)
    Replaced,         // another folder of the same name stands there now
    Missing,          // nothing (or no folder) of that name is there now, or its folder is gone
    Changed,          // a copied file written to since the copy: it is the person's work now
};

// A folder, or a copied file, that stays.
struct KeptFolder {
    QString path;
    KeptBecause because = KeptBecause::HoldsEntries;
    QString reason;     // for people: the text of `because`
    bool file = false;  // a copied file, not a folder
};

// A removal that failed (permission denied, a read-only file system): the
// folder stays and the rest of the undo goes on.
struct UndoFailure {
    QString path;
    int number = 0;     // the run-time error's number
    QString reason;     // the error's description, without the leading path
    bool file = false;  // a copied file, not a folder
};

struct UndoOutcome {
    int removed = 0;         // sub-folders removed, the parent not counted
    int parentsRemoved = 0;  // parents made by the press that went too
    int filesRemoved = 0;    // copied files removed
    QList<KeptFolder> kept;  // in the order made, so a parent before what it holds
    QList<UndoFailure> failures;

    bool removedAll() const { return kept.isEmpty() && failures.isEmpty(); }
};

// Removes the folders of `record`, deepest first (the reverse of the order
// made, since a parent is always made before what it holds), each with an
// empty-only removal and only while it is still the folder made (see
// isSameFolder); a copied file only while it is still the file copied and
// its size and modification time are those recorded right after the copy. Each is reached from the record's base,
// opened again and only while it is still the folder the press worked in, one level at a time, following no link.
// Everything else stays and is listed with why. A failed removal or look is listed too, with its reason, and the undo
// goes on; nothing here throws a RuntimeError. Afterwards `record` holds what is still there to remove, for another
// try: the folders kept for what they hold, the files changed since the copy (the folders holding them stay too) and
// those whose removal failed. A folder or file gone or replaced is no longer this program's and leaves it.
UndoOutcome undoCreation(CreationRecord& record, Folders& folders);

// The question before an undo: "作成したフォルダー N 個を削除しますか？" (with
// the copied files counted apart when there are any) and a line naming the
// new parent and whether it goes too. N counts the sub-folders only, as the
// completion line and the report do. Empty for an empty record.
QString undoQuestion(const CreationRecord& record);

// The box after an undo: how many sub-folders (and files) were removed and
// whether the parent went too, then the folders and the files kept and why
// and what failed and why, each at most ten lines and then "ほかN件".
QString undoReport(const UndoOutcome& outcome);

}  // namespace kestrune
