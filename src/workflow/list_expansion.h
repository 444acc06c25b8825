#pragma once

#include "notation.h"
#include "values_table.h"

#include <QList>
#include <QString>
#include <QStringList>

// A list's lines with their notation filled in: the folders each line
// stands for, before any is checked or made. Pure, like the notation.
namespace kestrune {

// The most folders one press makes, over all its parents: a list whose
// notation makes more is refused whole, before anything is made.
inline constexpr qint64 mostFoldersPerPress = 10000;

// How the notation is read: filled in with `values`, or not at all.
struct NotationSettings {
    NotationValues values;
    bool literal = false;  // 「記法を使わない」: every line taken as written
    // One tree per row: a row's cells fill the fields named by their columns,
    // `values` the others. Unused when taken literally.
    ValuesTable table = {};
};

// The trees a list makes: one per row of the table, or one without a table.
qsizetype treeCountOf(const NotationSettings& notation);
// The values tree `tree` is filled with: the row's cells over the values given.
NotationSettings settingsOfTree(const NotationSettings& notation, qsizetype tree);

// One folder a line stands for. Its text is held by the list
// (ExpandedList::textOf): a list of these is built, and dropped, for every
// line at every load, and without strings of their own they are small and
// need no destructor.
struct ExpandedEntry {
    int line = 0;  // the line it comes from, counted from 0
    int tree = 0;  // the row of the table it was filled from (0 without a table)
    // Its text among the list's results (read as a list line is read: levels
    // split at "/" and "\"), or -1: the entry is its line as written.
    int result = -1;
    bool valueAddsLevel = false;  // a value put in holds "/" or "\": refused
};

struct ExpandedLine {
    qsizetype firstEntry = 0;  // its entries, in order, from here
    qsizetype entryCount = 0;
    qint64 count = 0;  // how many it makes, also when they are not listed
    // Its {?名前} with no value yet, among the list's (ExpandedList::missingOf),
    // or -1 for none: a line that waits makes nothing until given them.
    int missing = -1;
    bool showsResults = false;  // its notation changed it: the results show beneath it
    bool unknownGroup = false;  // a {…} that fits no notation stays as written (「記法?」)
};

}  // namespace kestrune
Q_DECLARE_TYPEINFO(kestrune::ExpandedEntry, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(kestrune::ExpandedLine, Q_RELOCATABLE_TYPE);
namespace kestrune {

struct ExpandedList {
    QList<ExpandedLine> lines;     // with a table, the list's lines once per row, row after row
    QList<ExpandedEntry> entries;  // none at all when `count` passes the limit
    qint64 count = 0;              // every folder the lines make (saturated), over all rows
    QStringList missingValues;     // over all lines, in order of first appearance
    qsizetype linesPerTree = 0;    // the list's own lines
    QStringList writtenLines;      // the list's own lines, which entries taken as written refer to
    QStringList results;           // the texts of the entries the notation made
    QList<QStringList> missing;    // the values each waiting line lacks (ExpandedLine::missing)

    // The folder `entry` stands for, as read from the list.
    const QString& textOf(const ExpandedEntry& entry) const
    {
        return entry.result < 0 ? writtenLines.at(entry.line) : results.at(entry.result);
    }

    // The values `line` still lacks; none for most.
    const QStringList& missingOf(const ExpandedLine& line) const
    {
        static const QStringList none;
        return line.missing < 0 ? none : missing.at(line.missing);
    }

    // The line `entry` comes from, as expanded for its row.
    const ExpandedLine& lineOf(const ExpandedEntry& entry) const
    {
        return lines.at(entry.tree * linesPerTree + entry.line);
    }

    // Folders made in all when every one of `parents` gets the list (saturated).
    qint64 countFor(qint64 parents) const;
    bool tooMany(qint64 parents = 1) const { return countFor(parents) > mostFoldersPerPress; }
};

// Fills in the notation of every line. Entries are listed only while the
// whole list makes at most `mostEntries`; a line without notation is one
// entry, as written.
ExpandedList expandList(const QStringList& lines, const NotationSettings& notation,
                        qint64 mostEntries = mostFoldersPerPress);

// Adds `tree`, the list expanded for one more row of the table, to `list`.
void appendTree(ExpandedList& list, ExpandedList tree, int treeIndex);

// What a typed parent name stands for: one name, or several parents.
Expansion expandParentName(const QString& name, const NotationSettings& notation);

// Appends to `to` each of `names` not in it yet, in order.
void appendNewNames(QStringList& to, const QStringList& names);

// Every {?名前} of the lines and then of the parent name, each once.
QStringList askedNamesOf(const QStringList& lines, const QString& parentName);

// True when the lines or the parent name use a date.
bool usesDatesIn(const QStringList& lines, const QString& parentName);

}  // namespace kestrune
