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

struct ListPreview {
    ExpandedList expanded;
    QList<LinePreview> entries;       // one per expanded entry; sameAsLine counts list lines
    QList<LinePreview> parents;       // one per parent name; `folder` is the name
    qint64 parentCount = 0;           // how many the parent name stands for, also when too many to list
    bool parentShowsResults = false;  // the parent name's notation changed it
    QStringList parentWaitingFor;     // values the parent name still lacks
    QStringList waitingFor;           // values still missing, from the lines or the parent name
    // Compared with the disk to fill in existing parents (see
    // compareWithDisk): then each parent's own entries, with the names found
    // there; `entries` then says what holds for every parent.
    bool filledIn = false;
    QList<QList<LinePreview>> entriesByParent;
    QStringList parentsInTheWay;  // parents that stand on the disk as a file or a link

    // The entries as parent `parent` gets them.
    const QList<LinePreview>& entriesFor(qsizetype parent) const
    {
        return filledIn ? entriesByParent.at(parent) : entries;
    }
    // Folders made in all, every parent counted (saturated).
    qint64 folderCount() const;
    // What the press would say instead of making anything; empty when it may go.
    QString refusal() const;
};

// `target.parentName` is the name as typed (trimmed, or the preset); its
// notation gives the parents, and the lines are checked against the longest.
ListPreview previewList(const QStringList& lines, const PreviewTarget& target, const NotationSettings& notation);

// One row of the names list.
struct PreviewRow {
    QString text;
    int indent = 0;  // 1 for a result shown beneath its line
    LineStatus status = LineStatus::Blank;
    // Empty for a row that shows one entry as it stands: its tip is that
    // entry's, built only when shown (rowToolTip).
    QString toolTip = {};
    qsizetype entry = -1;  // the entry it shows; -1 for a line whose results follow it
};

// The names list's rows: each line as read, and beneath a line whose
// notation changed it, one row for each folder it stands for.
QList<PreviewRow> previewRows(const QStringList& lines, const ListPreview& preview);

// The tool tip of `row`, one of the rows of a preview whose entries are `entries`.
QString rowToolTip(const PreviewRow& row, const QList<LinePreview>& entries);

// The parent-name box's status and tool tip: the parent, or the parents a
// name with notation stands for.
PreviewRow parentRow(const ListPreview& preview);

}  // namespace kestrune
