#pragma once

#include "folder_tree.h"
#include "folders.h"

#include <QList>
#include <QString>

// Taking back what one press made: only the folders it made, only while they
// are still the same folders and empty, never anything else.
namespace kestrune {

enum class KeptBecause {
    HoldsEntries,     // holds a file or a folder the press did not make
    HoldsKeptFolder,  // holds a folder that was itself kept (or failed)
    Replaced,         // another folder of the same name stands there now
    Missing,          // nothing (or no folder) of that name is there now
};

struct KeptFolder {
    QString path;
    KeptBecause because = KeptBecause::HoldsEntries;
    QString reason;  // for people: the text of `because`
};

// A removal that failed (permission denied, a read-only file system): the
// folder stays and the rest of the undo goes on.
struct UndoFailure {
    QString path;
    int number = 0;  // the run-time error's number
    QString reason;  // the error's description, without the leading path
};

struct UndoOutcome {
    int removed = 0;
    QList<KeptFolder> kept;  // in the order made, so a parent before what it holds
    QList<UndoFailure> failures;

    bool removedAll() const { return kept.isEmpty() && failures.isEmpty(); }
};

// Removes the folders of `record`, deepest first (the reverse of the order
// made, since a parent is always made before what it holds), each with an
// empty-only removal and only while it is still the folder made (the same
// device and inode). Everything else stays and is listed with why. A failed
// removal is listed too and the undo goes on; nothing here throws a
// RuntimeError.
UndoOutcome undoCreation(Folders& folders, const CreationRecord& record);

// The question before an undo: "作成したフォルダー N 個を削除しますか？" and a
// line naming the new parent. N counts the parent too: it is one of the
// folders the press made and the undo removes. Empty for an empty record.
QString undoQuestion(const CreationRecord& record);

// The box after an undo: how many were removed, then what was kept and why
// and what failed and why, each at most ten lines and then "ほかN件".
QString undoReport(const UndoOutcome& outcome);

}  // namespace kestrune
