#pragma once

#include "folders.h"
#include "line_preview.h"
#include "runtime_error.h"

#include <QList>
#include <QString>
#include <QStringList>

// Making the new parent and the folders of a names list: the one way the
// window and the command line both make them.
namespace kestrune {

struct MadeFolder {
    QString path;
    FolderId id;
};

// What one press made, in the order made (so parents come before what they
// hold); undo works from it. Kept as far as it got when a press fails.
struct CreationRecord {
    QString parentPath;      // the new parent, once made
    QList<MadeFolder> made;  // the parent first, then every sub-folder made
    int alreadyThere = 0;    // lines whose folder was there already (repeats included)

    bool isEmpty() const { return made.isEmpty(); }
    // Sub-folders made, the parent not counted.
    qsizetype subFoldersMade() const { return made.isEmpty() ? 0 : made.size() - 1; }
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

// Makes `parentName` in `baseFolder` (adding "#" while the name is taken),
// then the folder of every Ok and Unsafe line of `preview` inside it; Repeat
// lines count as done and Blank lines make nothing. The preview must hold no
// Refused line. A failure stops at that folder and leaves as a RuntimeError;
// `record` then holds what was made up to there.
void makeFolderTree(Folders& folders, const QString& baseFolder, const QString& parentName,
                    const QList<LinePreview>& preview, CreationRecord& record, CreationProgress* progress = nullptr);

}  // namespace kestrune
