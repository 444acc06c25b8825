#pragma once

#include "folder_names.h"
#include "line_status.h"
#include "mount_table.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// What the create button will do with each line of a names list, worked out
// before anything is made, so that the window can mark every line and a
// refused press can name every line at fault. Pure: the caller supplies the
// target's limits and file system, read from the host elsewhere.
namespace kestrune {

// The small fields side by side: a preview is one of these a line, and
// packed they take 64 bytes instead of 72.
struct LinePreview {
    LineStatus status = LineStatus::Blank;
    // Repeat: the earlier line (counted from 1) that makes the same folder.
    int sameAsLine = 0;
    // Ok, Unsafe and Repeat: the folder relative to the new parent, levels
    // joined by "/" ("納品書/控え").
    QString folder;
    // Refused, Unsafe, Notation and Waiting: a short reason for the tool tip
    // and the refusal box.
    QString reason;
    // The folder differs from the line as written: its names were put in NFC.
    bool composed = false;
    // Ok, Unsafe and Repeat: `folder` is the very text the preview was made
    // from, and left empty: sharing it cost two atomic counts a line at every
    // load. Its holder gives it (ListPreview::folderOf).
    bool folderAsGiven = false;
};

}  // namespace kestrune
// Moved as bytes within a QList, as the QStrings it holds are: lists of
// these are built for every line at every load.
Q_DECLARE_TYPEINFO(kestrune::LinePreview, Q_RELOCATABLE_TYPE);
namespace kestrune {

// Where a folder lies, as it matters to the names made in it.
struct VolumePlace {
    // Its file system keeps Windows' naming rules: the Windows warnings
    // become refusals, and a level's length is counted in UTF-16 code units
    // (255) instead of UTF-8 bytes.
    bool windowsFileSystem = false;
    // The length of its path as Windows names it: the drive ("X:\"), the
    // folders below its volume's root, then a final "\".
    qsizetype windowsPathLength = 3;
};

struct PreviewTarget {
    QString baseFolder;                            // absolute folder the new parent goes into
    QString parentName;                            // as typed, trimmed; empty means the preset name
    VolumePlace volume{};                          // where the base folder lies
    int longestNameBytes = longestEntryNameBytes;  // a level's limit in UTF-8 bytes
    int longestPathBytes = 4095;                   // the OS's full path limit in bytes, less the NUL
};

// One preview a line, in order, each line checked and its folder given in
// NFC (LinePreview::composed). Precedence: blank, refused, unsafe, repeat, ok.
QList<LinePreview> previewLines(const QStringList& lines, const PreviewTarget& target);
// The same for `count` lines that `lineAt` gives, where they are held
// already: a list of copies would cost two atomic counts a line. A folder
// that is its line as given is not copied (LinePreview::folderAsGiven).
QList<LinePreview> previewLines(qsizetype count, const std::function<const QString&(qsizetype)>& lineAt,
                                const PreviewTarget& target);

// The parent name checked as a line's level is: ok, unsafe on Windows, or
// refused (also when it names no single folder: "..", "a/b").
LinePreview previewParentName(const PreviewTarget& target);

// A path below the parent that the press gives a file or a folder of its own
// (a template's), as `levels`: each level is one name whatever it holds (a
// "\" in it is a character Windows cannot hold) and is checked as a line's
// level is, the whole path's length as a line's. Ok, Unsafe or Refused.
LinePreview previewPlacedPath(const QStringList& levels, const PreviewTarget& target);

// The words of the rows' tool tips in the language in use, read once for a
// whole preview or press rather than once a row: a list may make 10,000 rows.
// The row's tool tip, shared by the window and any other front end.
QString toolTipFor(const LinePreview& preview, const ToolTipWords& words);
// The same for a single row.
QString toolTipFor(const LinePreview& preview);

// The text of the refusal box: the heading, then "N行目: name（reason）" for
// the first ten refused lines and "ほかN行" for the rest. Empty when no line
// is refused. `names[i]` is what preview `i` was worked out from; it comes
// from line `lineNumbers[i]` (counted from 1), or line i + 1 when none are given.
QString refusalMessage(const QStringList& names, const QList<LinePreview>& preview, const QList<int>& lineNumbers = {});

// True for the file system types (as the mount table names them) on which
// Windows' naming rules apply.
bool isWindowsFileSystemType(QStringView type);

// Where the folder at the absolute `path` lies once its links are followed
// (a link to a USB stick is judged by the stick): the mount with the longest
// mount point that holds it, a later mount of the same point hiding an
// earlier one as in the kernel's table.
VolumePlace volumePlaceOf(const QString& path, const MountTable& mounts);

}  // namespace kestrune
