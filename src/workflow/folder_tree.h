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

struct MadeFolder {
    QString path;  // relative to the base: the parent's name, then "parent/level/…"
    FolderId id;
};

// What one press made, in the order made (so parents come before what they
// hold); undo works from it and keeps in it what it could not remove yet.
// Kept as far as it got when a press fails.
struct CreationRecord {
    std::shared_ptr<OpenFolder> base;  // the folder the parent was made in, held open
    QString parentPath;                // the new parent's full path, once made: for messages and opening
    QList<MadeFolder> made;            // the parent first (while it is to remove), then every sub-folder made
    int alreadyThere = 0;              // lines whose folder was there already (repeats included)

    bool isEmpty() const { return made.isEmpty(); }
    // The parent is among the folders made (only it lies directly in the base).
    bool holdsParent() const;
    // Sub-folders made, the parent not counted.
    qsizetype subFoldersMade() const { return made.size() - (holdsParent() ? 1 : 0); }
    // The full path of a folder of `made`, for messages.
    QString pathOf(const MadeFolder& folder) const;
};

// Told as each line is done, so that a window can mark its rows.
class CreationProgress {
public:
    virtual ~CreationProgress() = default;
    // Line `lineNumber` (counted from 1) is made, or counts as done.
    virtual void lineMade(int lineNumber) = 0;
    // Making line `lineNumber` failed; nothing after it is tried.
    virtual void lineFailed(int lineNumber, const RuntimeError& error) = 0;
};

// Makes `parentName` in the open `base` (adding "#" while the name is
// taken), then the folder of every Ok and Unsafe line of `preview` inside
// it; Repeat lines count as done and Blank lines make nothing. The preview
// must hold no Refused line. Every level is made and opened relative to the
// open folder above it, never by a path from the root, and a level that
// another program swaps for a link or another folder meanwhile stops the
// press. A failure stops at that folder and leaves as a RuntimeError;
// `record` then holds what was made up to there.
void makeFolderTree(const std::shared_ptr<OpenFolder>& base, const QString& parentName,
                    const QList<LinePreview>& preview, CreationRecord& record, CreationProgress* progress = nullptr);

}  // namespace kestrune
