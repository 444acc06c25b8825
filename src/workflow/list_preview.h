#pragma once

#include "line_preview.h"
#include "list_expansion.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a press would do with a whole list, worked out before anything is
// made: the notation filled in, every folder's status, every parent's, and
// the rows of the names list that show them. Pure: the window and the
// command line work from the same preview.
namespace kestrune {

// One row of a values table: the tree it fills.
struct TableRowPreview {
    int tableLine = 0;         // the row's line in the table, counted from 1
    QString heading;           // the row's first value
    QList<qsizetype> parents;  // the parents its tree goes into, by index into ListPreview::parents
    qsizetype firstEntry = 0;  // its folders, in ListPreview::entries from here
    qsizetype entryCount = 0;
    qint64 count = 0;  // folders it makes in each of its parents, also when they are not listed
};

// What one parent gets: its folders in order, and where each is in the
// preview's entries.
struct ParentShare {
    QList<LinePreview> entries;
    QList<qsizetype> indexes;  // empty: every entry, in order

    qsizetype indexOf(qsizetype at) const { return indexes.isEmpty() ? at : indexes.at(at); }
};

struct ListPreview {
    ExpandedList expanded;
    // One per expanded entry. sameAsLine counts list lines, or, for a folder
    // that an earlier row of a table makes, gives that row's line in the table.
    QList<LinePreview> entries;
    QList<LinePreview> parents;        // one per parent name, each once; `folder` is the name
    qint64 parentCount = 0;            // how many the parent name stands for, also when too many to list
    qint64 folderTotal = 0;            // folders made in all, every parent counted (saturated)
    QList<TableRowPreview> tableRows;  // filled from a table: one per row, in order; empty without a table
    // Filled from a table: for each parent, the entries of the rows that go
    // into it, by index into `entries`. Empty without a table (every parent
    // gets every entry).
    QList<QList<qsizetype>> entryIndexesByParent;
    // The table's values that would add a level, each named by its row and
    // column; empty when none does.
    QString valueRefusal;
    bool parentShowsResults = false;  // the parent name's notation changed it
    QStringList parentWaitingFor;     // values the parent name still lacks
    QStringList waitingFor;           // values still missing, from the lines or the parent name
    // Compared with the disk to fill in existing parents (see
    // compareWithDisk): then each parent's own entries (as shareOf gives
    // them), with the names found there; `entries` then says what holds for
    // every parent that gets it.
    bool filledIn = false;
    QList<QList<LinePreview>> entriesByParent;
    QStringList parentsInTheWay;  // parents that stand on the disk as a file or a link

    // The folder of entry `entry` (see LinePreview::folderAsGiven).
    const QString& folderOf(qsizetype entry) const;
    // Entry `entry` with its folder, as a tool tip or a report shows it.
    LinePreview entryAsShown(qsizetype entry) const;
    // Fills in every folder left as given, for what reads the entries
    // without their list: the press, the disk comparison, the templates.
    void fillFolders();
    // The entries parent `parent` gets, as it gets them.
    ParentShare shareOf(qsizetype parent) const;
    // Folders made in all, every parent counted (saturated).
    qint64 folderCount() const { return folderTotal; }
    // More folders, or more parents, than one press makes: nothing is listed.
    bool tooMany() const { return folderTotal > mostFoldersPerPress || parentCount > mostFoldersPerPress; }
    // What the press would say instead of making anything; empty when it may go.
    QString refusal() const;
};

// `target.parentName` is the name as typed (trimmed, or the preset); its
// notation gives the parents, and the lines are checked against the longest.
// With a table, the parent name and the lines are filled once per row, and
// each row's folders go into that row's parents only; a folder an earlier
// row makes in the same parents is a repeat.
ListPreview previewList(const QStringList& lines, const PreviewTarget& target, const NotationSettings& notation);

// One row of the names list.
struct PreviewRow {
    QString text;    // empty for a row that shows a list line as written (`line`)
    int indent = 0;  // one step further for a result beneath its line, and for a line beneath a table row
    LineStatus status = LineStatus::Blank;
    // Empty for a row that shows one entry as it stands: its tip is that
    // entry's, built only when shown (rowToolTip).
    QString toolTip = {};
    qsizetype entry = -1;  // the entry it shows; -1 for a line whose results follow it
    // The list line it shows as written, counted from 0, or -1. Referred to
    // rather than shared: each share costs two atomic counts at every load.
    qsizetype line = -1;
};

}  // namespace kestrune
// Moved as bytes within a QList, as the QStrings it holds are: lists of
// these are built for every line at every load.
Q_DECLARE_TYPEINFO(kestrune::PreviewRow, Q_RELOCATABLE_TYPE);
namespace kestrune {

// The names list's rows: each line as read, and beneath a line whose
// notation changed it, one row for each folder it stands for. Filled from a
// table, the lines show once per row, beneath a heading row that names it.
QList<PreviewRow> previewRows(const ListPreview& preview);

// What `row`, one of the rows previewRows made of a preview of `lines`, shows.
inline const QString& rowText(const PreviewRow& row, const QStringList& lines)
{
    return row.line >= 0 ? lines.at(row.line) : row.text;
}

// The tool tip of `row`, one of the rows of `preview`.
QString rowToolTip(const PreviewRow& row, const ListPreview& preview);

// The parent-name box's status and tool tip: the parent, or the parents a
// name with notation stands for.
PreviewRow parentRow(const ListPreview& preview);

}  // namespace kestrune
