#pragma once

#include "folder_names.h"
#include "mount_table.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// What the create button will do with each line of a names list, worked out
// before anything is made, so that the window can mark every line and a
// refused press can name every line at fault. Pure: the caller supplies the
// target's limits and file system, read from the host elsewhere.
namespace kestrune {

enum class LineStatus {
    Ok,       // made as written
    Blank,    // nothing to make
    Repeat,   // the same folder as an earlier line: counts as done
    Refused,  // the press refuses the whole list because of this line
    Unsafe,   // made, but Windows cannot hold the name or changes it
};

struct LinePreview {
    LineStatus status = LineStatus::Blank;
    // Ok, Unsafe and Repeat: the folder relative to the new parent, levels
    // joined by "/" ("納品書/控え").
    QString folder;
    // Repeat: the earlier line (counted from 1) that makes the same folder.
    int sameAsLine = 0;
    // Refused and Unsafe: a short reason for the tool tip and the refusal box.
    QString reason;
};

struct PreviewTarget {
    QString baseFolder;  // absolute folder the new parent goes into
    QString parentName;  // as typed, trimmed; empty means the preset name
    // The parent lands on a file system that keeps Windows' naming rules:
    // the Windows warnings become refusals, and a level's length is counted
    // in UTF-16 code units (255) instead of longestNameBytes.
    bool windowsFileSystem = false;
    int longestNameBytes = longestFolderNameBytes;  // a level's limit in UTF-8 bytes
    int longestPathBytes = 4095;                    // the OS's full path limit in bytes, less the NUL
};

// One preview a line, in order. Precedence: blank, refused, unsafe, repeat, ok.
QList<LinePreview> previewLines(const QStringList& lines, const PreviewTarget& target);

// The row's tool tip, shared by the window and any other front end.
QString toolTipFor(const LinePreview& preview);

// The text of the refusal box: the heading, then "N行目: name（reason）" for
// the first ten refused lines and "ほかN行" for the rest. Empty when no line
// is refused.
QString refusalMessage(const QStringList& lines, const QList<LinePreview>& preview);

// True for the file system types (as the mount table names them) on which
// Windows' naming rules apply.
bool isWindowsFileSystemType(QStringView type);

// The type of the file system that holds the absolute `path`: the entry with
// the longest mount point that is `path` or one of its ancestors. Empty when
// none is. A later entry for the same mount point wins, as a later mount
// hides an earlier one in the kernel's table.
QString fileSystemTypeFor(const QString& path, const QList<MountEntry>& mounts);

// True when the folder at the absolute `path` lies on a file system that keeps
// Windows' naming rules, as the mount table says now.
bool keepsWindowsRules(const QString& path, const MountTable& mounts);

}  // namespace kestrune
