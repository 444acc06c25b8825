#include "list_preview.h"

#include "saturated.h"
#include "unicode_names.h"
#include "workflow_texts.h"

#include <QHash>

#include <algorithm>
#include <utility>

namespace kestrune {

namespace {

// Parents listed in the name box's tool tip; the rest are counted.
constexpr qsizetype mostParentsShown = 20;

// The heaviest of `previews`, with its reason.
const LinePreview* heaviest(const QList<LinePreview>& previews, qsizetype first, qsizetype count)
{
    const LinePreview* worst = nullptr;
    for (qsizetype index = first; index < first + count; ++index) {
        if (worst == nullptr || traitsOf(previews.at(index).status).weight > traitsOf(worst->status).weight)
            worst = &previews.at(index);
    }
    return worst;
}

QString waitingTip(const QStringList& names)
{
    return texts::waitingForValues.arg(names.join(texts::listSeparator));
}

}  // namespace

const QString& ListPreview::folderOf(qsizetype entry) const
{
    const LinePreview& line = entries.at(entry);
    return line.folderAsGiven ? expanded.textOf(expanded.entries.at(entry)) : line.folder;
}

LinePreview ListPreview::entryAsShown(qsizetype entry) const
{
    LinePreview line = entries.at(entry);
    if (std::exchange(line.folderAsGiven, false))
        line.folder = folderOf(entry);
    return line;
}

void ListPreview::fillFolders()
{
    for (qsizetype entry = 0; entry < entries.size(); ++entry) {
        if (entries.at(entry).folderAsGiven)
            entries[entry] = entryAsShown(entry);
    }
}

ParentShare ListPreview::shareOf(qsizetype parent) const
{
    const QList<qsizetype> indexes = tableRows.isEmpty() ? QList<qsizetype>() : entryIndexesByParent.at(parent);
    if (filledIn)
        return {entriesByParent.at(parent), indexes};
    if (tableRows.isEmpty())
        return {entries, {}};
    ParentShare share{{}, indexes};
    share.entries.reserve(indexes.size());
    for (const qsizetype index : indexes)
        share.entries.append(entries.at(index));
    return share;
}

QString ListPreview::refusal() const
{
    if (!parentsInTheWay.isEmpty())
        return texts::parentsInTheWay.arg(parentsInTheWay.join(texts::listSeparator));
    // Before the parents: a value that adds a level refuses its parent too, and is better named by its cell.
    if (!valueRefusal.isEmpty())
        return valueRefusal;
    if (std::any_of(parents.cbegin(), parents.cend(),
                    [](const LinePreview& parent) { return parent.status == LineStatus::Refused; }))
        return texts::badParentName;
    if (!waitingFor.isEmpty())
        return texts::valuesMissing.arg(waitingFor.join(texts::listSeparator));
    // More parents than a press makes folders are not even listed.
    if (tooMany())
        return texts::tooManyFolders.arg(std::max(folderCount(), parentCount)).arg(mostFoldersPerPress);
    QStringList names;
    QList<int> lineNumbers;
    names.reserve(expanded.entries.size());
    lineNumbers.reserve(expanded.entries.size());
    for (const ExpandedEntry& entry : expanded.entries) {
        names.append(expanded.textOf(entry));
        lineNumbers.append(entry.line + 1);
    }
    return refusalMessage(names, entries, lineNumbers);
}

namespace {

// The cells of the table's columns that fill a field of the lines or the
// parent name and hold "/" or "\\", refused as a line is, the column named.
QString valueRefusalOf(const ValuesTable& table, const QStringList& lines, const QString& parentName)
{
    QStringList cells;
    QList<LinePreview> reasons;
    QList<int> tableLines;
    const QStringList fields = askedNamesOf(lines, parentName);
    for (qsizetype row = 0; row < table.rows.size(); ++row) {
        for (const QString& field : fields) {
            const qsizetype column = table.columnOf(field);
            if (column < 0)
                continue;
            const QString& cell = table.rows.at(row).at(column);
            if (!cell.contains(u'/') && !cell.contains(u'\\'))
                continue;
            cells.append(cell);
            LinePreview refused;
            refused.status = LineStatus::Refused;
            refused.reason = texts::tableValueAddsLevel.arg(field);
            reasons.append(refused);
            tableLines.append(table.rowLines.at(row));
        }
    }
    return refusalMessage(cells, reasons, tableLines);
}

// Each distinct parent once, in the order first named: rows that name the
// same parent fill the same folder.
class ParentsSeen {
public:
    ParentsSeen(ListPreview& preview, const PreviewTarget& target) : preview_(preview), target_(target) {}

    // The index of the parent `result` names, listed when new.
    qsizetype indexOf(const NotationResult& result, bool unknownGroup)
    {
        const QString name = composedName(result.text);
        // A name refused for its value stays apart from the same text typed.
        const QString key = result.valueAddsLevel ? u'/' + name : name;
        if (const auto known = seen_.constFind(key); known != seen_.cend())
            return *known;
        LinePreview parent;
        parent.folder = name;
        if (name.isEmpty() || result.valueAddsLevel) {
            // A value may neither empty the name nor add a level to it.
            parent.status = LineStatus::Refused;
            parent.reason = texts::reasonNotOneFolder;
        } else {
            parent = previewParentName(
                {target_.baseFolder, name, target_.volume, target_.longestNameBytes, target_.longestPathBytes});
            parent.composed = name != result.text;
            if (unknownGroup && parent.status == LineStatus::Ok) {
                parent.status = LineStatus::Notation;
                parent.reason = texts::reasonUnknownNotation;
            }
        }
        preview_.parents.append(parent);
        seen_.insert(key, preview_.parents.size() - 1);
        return preview_.parents.size() - 1;
    }

private:
    ListPreview& preview_;
    const PreviewTarget& target_;
    QHash<QString, qsizetype> seen_;
};

// Checks the folders of every tree that goes into the same parents together:
// there a folder named twice is a repeat, and the paths are checked against
// the longest of those parents.
void previewEntries(ListPreview& preview, const PreviewTarget& target, const QList<qsizetype>& treeEnds,
                    const QList<QList<qsizetype>>& parentsOfTree, const ValuesTable& table)
{
    const QList<ExpandedEntry>& expanded = preview.expanded.entries;

    // The trees of each set of parents, in order; without a table, the one tree.
    QList<QList<qsizetype>> treeGroups;
    if (parentsOfTree.size() == 1) {
        treeGroups.append(QList<qsizetype>{0});
    } else {
        QHash<QList<qsizetype>, qsizetype> groupOf;
        for (qsizetype tree = 0; tree < parentsOfTree.size(); ++tree) {
            const auto known = groupOf.constFind(parentsOfTree.at(tree));
            if (known != groupOf.cend()) {
                treeGroups[*known].append(tree);
                continue;
            }
            groupOf.insert(parentsOfTree.at(tree), treeGroups.size());
            treeGroups.append(QList<qsizetype>{tree});
        }
    }
    if (treeGroups.size() > 1)
        preview.entries.resize(expanded.size());

    for (const QList<qsizetype>& trees : std::as_const(treeGroups)) {
        PreviewTarget lineTarget = target;
        for (const qsizetype parent : parentsOfTree.at(trees.first())) {
            if (preview.parents.at(parent).folder.size() > lineTarget.parentName.size())
                lineTarget.parentName = preview.parents.at(parent).folder;
        }
        // The group's folders, by index into the entries; without a table
        // the one group is every entry, and its names need no copy.
        const bool everyEntry = treeGroups.size() == 1;
        QList<qsizetype> indexes;
        if (!everyEntry) {
            for (const qsizetype tree : trees) {
                for (qsizetype entry = tree == 0 ? 0 : treeEnds.at(tree - 1); entry < treeEnds.at(tree); ++entry)
                    indexes.append(entry);
            }
        }
        const auto entryAt = [&](qsizetype at) { return everyEntry ? at : indexes.at(at); };
        QList<LinePreview> checked = previewLines(
            everyEntry ? expanded.size() : indexes.size(),
            [&](qsizetype at) -> const QString& { return preview.expanded.textOf(expanded.at(entryAt(at))); },
            lineTarget);
        for (qsizetype at = 0; at < checked.size(); ++at) {
            const qsizetype index = entryAt(at);
            LinePreview& line = checked[at];
            const ExpandedEntry& entry = expanded.at(index);
            if (line.status == LineStatus::Repeat) {
                // The same tree: the line it repeats; another row: that row, as the table numbers it.
                const ExpandedEntry& earlier = expanded.at(entryAt(line.sameAsLine - 1));
                line.sameAsLine = earlier.tree == entry.tree ? earlier.line + 1 : table.rowLines.at(earlier.tree);
            }
            if (entry.valueAddsLevel && line.status != LineStatus::Blank) {
                line.status = LineStatus::Refused;
                line.reason = texts::reasonValueAddsLevel;
            } else if (preview.expanded.lineOf(entry).unknownGroup && line.status == LineStatus::Ok) {
                line.status = LineStatus::Notation;
                line.reason = texts::reasonUnknownNotation;
            }
        }
        if (everyEntry) {
            preview.entries = std::move(checked);
            return;
        }
        for (qsizetype at = 0; at < indexes.size(); ++at)
            preview.entries[indexes.at(at)] = std::move(checked[at]);
    }
}

}  // namespace

ListPreview previewList(const QStringList& lines, const PreviewTarget& target, const NotationSettings& notation)
{
    ListPreview preview;
    const qsizetype trees = treeCountOf(notation);
    const bool fromTable = !notation.literal && !notation.table.isEmpty();
    ParentsSeen parents(preview, target);
    QList<QList<qsizetype>> parentsOfTree;
    QList<qsizetype> treeEnds;  // where each tree's entries end
    parentsOfTree.reserve(trees);
    treeEnds.reserve(trees);
    qint64 oversizedParents = 0;  // a tree's parent name that stands for more than are listed
    bool listing = true;
    for (qsizetype tree = 0; tree < trees; ++tree) {
        const NotationSettings settings = fromTable ? settingsOfTree(notation, tree) : NotationSettings{};
        const NotationSettings& filled = fromTable ? settings : notation;
        const Expansion parentNames = expandParentName(target.parentName, filled);
        preview.parentShowsResults = preview.parentShowsResults || parentNames.usesNotation;
        appendNewNames(preview.parentWaitingFor, parentNames.missingValues);
        const qint64 parentsHere = parentNames.missingValues.isEmpty() ? parentNames.count : 0;
        if (parentNames.results.isEmpty())
            oversizedParents = std::max(oversizedParents, parentsHere);
        QList<qsizetype> mine;
        const qsizetype known = preview.parents.size();
        for (const NotationResult& result : parentNames.results) {
            // Only a parent seen before can come twice.
            const qsizetype index = parents.indexOf(result, parentNames.unknownGroup);
            if (index >= known || !mine.contains(index))
                mine.append(index);
        }
        if (tree == 0)
            preview.parentCount = parentsHere;

        const qint64 perParent = std::max<qint64>(parentsHere, 1);
        const qint64 room = listing ? (mostFoldersPerPress - preview.folderTotal) / perParent : 0;
        ExpandedList expanded = expandList(lines, filled, room);
        listing = listing && expanded.count <= room;
        preview.folderTotal = saturatedSum(preview.folderTotal, saturatedProduct(expanded.count, perParent));
        if (fromTable) {
            const QStringList& cells = notation.table.rows.at(tree);
            preview.tableRows.append({notation.table.rowLines.at(tree), cells.value(0), mine,
                                      preview.expanded.entries.size(), expanded.entries.size(), expanded.count});
        }
        appendTree(preview.expanded, std::move(expanded), static_cast<int>(tree));
        parentsOfTree.append(mine);
        treeEnds.append(preview.expanded.entries.size());
    }
    if (fromTable)
        preview.parentCount = std::max<qint64>(preview.parents.size(), oversizedParents);
    preview.waitingFor = preview.expanded.missingValues;
    appendNewNames(preview.waitingFor, preview.parentWaitingFor);
    if (fromTable)
        preview.valueRefusal = valueRefusalOf(notation.table, lines, target.parentName);

    if (preview.tooMany()) {
        // Past the limit the list is refused whole: nothing of it is listed.
        preview.expanded.entries.clear();
        for (ExpandedLine& line : preview.expanded.lines)
            line.firstEntry = line.entryCount = 0;
        for (TableRowPreview& row : preview.tableRows)
            row.firstEntry = row.entryCount = 0;
        std::fill(treeEnds.begin(), treeEnds.end(), 0);
    }
    previewEntries(preview, target, treeEnds, parentsOfTree, notation.table);
    if (fromTable) {
        preview.entryIndexesByParent.resize(preview.parents.size());
        for (qsizetype tree = 0; tree < trees; ++tree) {
            for (const qsizetype parent : parentsOfTree.at(tree)) {
                QList<qsizetype>& indexes = preview.entryIndexesByParent[parent];
                for (qsizetype entry = tree == 0 ? 0 : treeEnds.at(tree - 1); entry < treeEnds.at(tree); ++entry)
                    indexes.append(entry);
            }
        }
    }
    return preview;
}

namespace {

// How many rows appendLineRows gives `line`.
qsizetype rowsOfLine(const ExpandedLine& line, const ListPreview& preview)
{
    const bool alone = line.missing >= 0 || preview.tooMany() || (!line.showsResults && line.entryCount == 1);
    return alone ? 1 : 1 + line.entryCount;
}

// The rows of one line, written from `rows` on: itself, and beneath it each
// folder it stands for when its notation changed it.
void appendLineRows(PreviewRow*& rows, qsizetype lineIndex, const ExpandedLine& line, const ListPreview& preview,
                    int indent, const ToolTipWords& words)
{
    const ExpandedList& expanded = preview.expanded;
    PreviewRow& row = *rows++;
    row.line = lineIndex;
    row.indent = indent;
    if (line.missing >= 0) {
        row.status = LineStatus::Waiting;
        row.toolTip = waitingTip(expanded.missingOf(line));
        return;
    }
    if (preview.tooMany()) {
        row.status = line.count > 0 ? LineStatus::Refused : LineStatus::Blank;
        row.toolTip = texts::lineMakesFolders.withCount(line.count) + u'\n' +
                      texts::tooManyFolders.arg(preview.folderCount()).arg(mostFoldersPerPress);
        return;
    }
    if (!line.showsResults && line.entryCount == 1) {
        const LinePreview& entry = preview.entries.at(line.firstEntry);
        row.status = entry.status;
        row.entry = line.firstEntry;
        return;
    }
    // A line that stands for several folders: its count, and the worst of them.
    const LinePreview* worst = heaviest(preview.entries, line.firstEntry, line.entryCount);
    row.status = worst == nullptr ? LineStatus::Blank : worst->status;
    if (row.status == LineStatus::Repeat)
        row.status = LineStatus::Ok;
    row.toolTip = texts::lineMakesFolders.withCount(line.count);
    if (worst != nullptr && traitsOf(worst->status).weight > traitsOf(LineStatus::Ok).weight)
        row.toolTip += u'\n' + toolTipFor(preview.entryAsShown(worst - preview.entries.constData()), words);
    for (qsizetype entry = line.firstEntry; entry < line.firstEntry + line.entryCount; ++entry) {
        PreviewRow& result = *rows++;
        result.text = expanded.textOf(expanded.entries.at(entry));
        result.indent = indent + 1;
        result.status = preview.entries.at(entry).status;
        result.entry = entry;
    }
}

// The heading of a table's row: the row and its first value; the worst of
// its folders, their count and its parents in the tip.
PreviewRow tableRowHeading(const ListPreview& preview, const TableRowPreview& tableRow, qsizetype firstLine,
                           const ToolTipWords& words)
{
    PreviewRow row;
    row.text = texts::tableRowHeading.arg(tableRow.tableLine).arg(tableRow.heading);
    QStringList parents;
    for (const qsizetype parent : tableRow.parents)
        parents.append(preview.parents.at(parent).folder);
    row.toolTip = texts::lineMakesFolders.withCount(tableRow.count);
    if (!parents.isEmpty())
        row.toolTip += u'\n' + texts::tableRowParents.arg(parents.join(texts::listSeparator));
    const ExpandedList& expanded = preview.expanded;
    QStringList waiting;
    for (qsizetype line = firstLine; line < firstLine + expanded.linesPerTree; ++line)
        appendNewNames(waiting, expanded.missingOf(expanded.lines.at(line)));
    if (!waiting.isEmpty()) {
        row.status = LineStatus::Waiting;
        row.toolTip += u'\n' + waitingTip(waiting);
    } else if (preview.tooMany()) {
        row.status = tableRow.count > 0 ? LineStatus::Refused : LineStatus::Blank;
    } else if (const LinePreview* worst = heaviest(preview.entries, tableRow.firstEntry, tableRow.entryCount)) {
        row.status = worst->status == LineStatus::Repeat ? LineStatus::Ok : worst->status;
        if (traitsOf(worst->status).weight > traitsOf(LineStatus::Ok).weight)
            row.toolTip += u'\n' + toolTipFor(preview.entryAsShown(worst - preview.entries.constData()), words);
    }
    return row;
}

}  // namespace

QList<PreviewRow> previewRows(const ListPreview& preview)
{
    const ExpandedList& expanded = preview.expanded;
    const ToolTipWords words;
    QList<PreviewRow> rows;
    // Sized to the row: twice the lines would put most lists' rows past
    // the size malloc maps afresh, and fault in every page at every load.
    qsizetype rowCount = preview.tableRows.size();
    for (const ExpandedLine& line : expanded.lines)
        rowCount += rowsOfLine(line, preview);
    // Written in place: an append a row (a call and its checks) cost a
    // tenth of a load.
    rows.resize(rowCount);
    PreviewRow* next = rows.data();
    if (preview.tableRows.isEmpty()) {
        for (qsizetype index = 0; index < expanded.linesPerTree; ++index)
            appendLineRows(next, index, expanded.lines.at(index), preview, 0, words);
    } else {
        for (qsizetype tree = 0; tree < preview.tableRows.size(); ++tree) {
            const qsizetype firstLine = tree * expanded.linesPerTree;
            *next++ = tableRowHeading(preview, preview.tableRows.at(tree), firstLine, words);
            for (qsizetype index = 0; index < expanded.linesPerTree; ++index)
                appendLineRows(next, index, expanded.lines.at(firstLine + index), preview, 1, words);
        }
    }
    Q_ASSERT(next == rows.constData() + rows.size());
    return rows;
}

QString rowToolTip(const PreviewRow& row, const ListPreview& preview)
{
    if (row.toolTip.isEmpty() && row.entry >= 0 && row.entry < preview.entries.size())
        return toolTipFor(preview.entryAsShown(row.entry));
    return row.toolTip;
}

PreviewRow parentRow(const ListPreview& preview)
{
    PreviewRow row;
    if (!preview.parentWaitingFor.isEmpty()) {
        row.status = LineStatus::Waiting;
        row.toolTip = waitingTip(preview.parentWaitingFor);
        return row;
    }
    if (preview.parentCount > mostFoldersPerPress) {
        row.status = LineStatus::Refused;
        row.toolTip = texts::tooManyFolders.arg(preview.parentCount).arg(mostFoldersPerPress);
        return row;
    }
    if (preview.parents.isEmpty())
        return row;
    const auto tipOf = [](const LinePreview& parent) {
        return parent.status == LineStatus::Exists ? texts::parentExists.arg(parent.folder) : toolTipFor(parent);
    };
    if (!preview.parentShowsResults && preview.parents.size() == 1) {
        row.status = preview.parents.first().status;
        row.toolTip = tipOf(preview.parents.first());
        return row;
    }
    // Several parents, or one the notation made: each is named.
    const LinePreview* worst = heaviest(preview.parents, 0, preview.parents.size());
    row.status = worst->status;
    QStringList tip{texts::parentsHeading.withCount(preview.parents.size())};
    for (qsizetype index = 0; index < std::min(preview.parents.size(), mostParentsShown); ++index) {
        const LinePreview& parent = preview.parents.at(index);
        if (parent.status == LineStatus::Ok)
            tip.append(parent.folder);
        else if (parent.status == LineStatus::Exists)
            tip.append(texts::parentWithReason.arg(parent.folder, texts::parentIsThere));
        else
            tip.append(texts::parentWithReason.arg(parent.folder, parent.reason));
    }
    if (preview.parents.size() > mostParentsShown)
        tip.append(texts::moreParents.arg(preview.parents.size() - mostParentsShown));
    row.toolTip = tip.join(u'\n');
    return row;
}

}  // namespace kestrune
