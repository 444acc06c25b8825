#pragma once

#include "folders.h"
#include "line_preview.h"
#include "runtime_error.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// Making the new parent and the folders of a names list: the one way the
// window and the command line both make them.
namespace kestrune {

// One thing a press made: a folder, or a file it copied (kind Other).
struct MadeFolder {
    QString path;  // relative to the base: the parent's name, then "parent/level/…"
    FolderId id;
    EntryKind kind = EntryKind::Folder;
    FileStamp stamp = {};  // a file: its size and modification time right after the copy
};

// How the press comes by a parent.
enum class ParentChoice {
    NewName,  // a new folder: "#" is added while the name is taken
    FillIn,   // the folder of that name when there is one, filled in; made otherwise
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
    QList<MadeFolder> made;        // each parent made, then the sub-folders made in it
    int alreadyThere = 0;          // folders of the list there before the press, over all parents

    bool isEmpty() const { return made.isEmpty(); }
    // Parents among the folders made (only they lie directly in the base).
    qsizetype parentsMade() const;
    bool holdsParent() const { return parentsMade() > 0; }
    // Sub-folders made, the parents not counted.
    qsizetype subFoldersMade() const { return made.size() - parentsMade() - filesCopied(); }
    // Files copied into the folders.
    qsizetype filesCopied() const;
    // The full path of the first parent reached, for messages and opening;
    // empty before one is.
    QString parentPath() const;
    // The full path of a folder of `made`, for messages.
    QString pathOf(const MadeFolder& folder) const;
};

// Told as each folder of the preview is done, so that a window can mark its
// rows. `entry` counts the preview's folders from 0, not the list's lines.
class CreationProgress {
public:
    virtual ~CreationProgress() = default;
    // Folder `entry` is made, or there already, or counts as done.
    virtual void folderDone(qsizetype entry) = 0;
    // Making folder `entry` failed; nothing after it is tried.
    virtual void folderFailed(qsizetype entry, const RuntimeError& error) = 0;
};

// Makes `parentName` in the open `base` (adding "#" while the name is
// taken), or with FillIn takes the folder of that name when there is one,
// then the folder of every line of `preview` that makes one inside it
// (levels there already are kept); Repeat lines count as done and Blank lines
// make nothing. The preview must hold no Refused line. Every level is made
// and opened relative to the open folder above it, never by a path from the
// root, and a level that another program swaps for a link or another folder
// meanwhile stops the press. What is made is added to `record` (whose base
// becomes `base`), with the parent's outcome; a failure stops at that folder
// and leaves as a RuntimeError, `record` holding what was made up to there.
void makeFolderTree(const std::shared_ptr<OpenFolder>& base, const QString& parentName, ParentChoice choice,
                    const QList<LinePreview>& preview, CreationRecord& record, CreationProgress* progress = nullptr);

}  // namespace kestrune
