#include "list_expansion.h"

#include "folder_names.h"
#include "saturated.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace kestrune {

namespace {

Expansion literally(const QString& text)
{
    Expansion expansion;
    expansion.results.append({text, false});
    expansion.count = 1;
    return expansion;
}

Expansion expand(const QString& text, const NotationSettings& notation, qint64 mostResults)
{
    return notation.literal ? literally(text) : expandNotation(text, notation.values, mostResults);
}

// One pass for both braces, where two searches cost more than the rest of a plain line's expansion.
bool hasBrace(QStringView text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'{' || c == u'}'; });
}

bool hasLevel(const QString& text)
{
    // A character other than a separator or a dot is part of a level; only
    // a line of those alone needs its levels read.
    const auto isLevelCharacter = [](QChar c) { return c != u'.' && !isLevelSeparator(c); };
    if (std::any_of(text.cbegin(), text.cend(), isLevelCharacter))
        return true;
    qsizetype position = 0;
    return !nextFolderLevel(text, position).isEmpty();
}

}  // namespace

void appendNewNames(QStringList& to, const QStringList& names)
{
    for (const QString& name : names) {
        if (!to.contains(name))
            to.append(name);
    }
}

qsizetype treeCountOf(const NotationSettings& notation)
{
    return notation.literal || notation.table.isEmpty() ? 1 : notation.table.rows.size();
}

NotationSettings settingsOfTree(const NotationSettings& notation, qsizetype tree)
{
    NotationSettings settings{notation.values, notation.literal, {}};
    if (notation.literal || notation.table.isEmpty())
        return settings;
    const QStringList& cells = notation.table.rows.at(tree);
    for (qsizetype column = 0; column < notation.table.columns.size(); ++column)
        settings.values.asked.insert(notation.table.columns.at(column), cells.at(column));
    return settings;
}

void appendTree(ExpandedList& list, ExpandedList tree, int treeIndex)
{
    if (treeIndex == 0 && list.lines.isEmpty() && list.entries.isEmpty() && list.missingValues.isEmpty()) {
        // The first tree, most often the only one: taken whole, not line by line.
        list = std::move(tree);
        return;
    }
    const qsizetype offset = list.entries.size();
    const auto missingOffset = static_cast<int>(list.missing.size());
    for (ExpandedLine& line : tree.lines) {
        line.firstEntry += offset;
        if (line.missing >= 0)
            line.missing += missingOffset;
        list.lines.append(line);
    }
    const auto resultOffset = static_cast<int>(list.results.size());
    for (ExpandedEntry& entry : tree.entries) {
        entry.tree = treeIndex;
        if (entry.result >= 0)
            entry.result += resultOffset;
        list.entries.append(entry);
    }
    list.results.append(std::move(tree.results));
    list.missing.append(std::move(tree.missing));
    list.count = saturatedSum(list.count, tree.count);
    appendNewNames(list.missingValues, tree.missingValues);
    list.linesPerTree = tree.linesPerTree;
    list.writtenLines = tree.writtenLines;  // every tree is the same list filled differently
}

qint64 ExpandedList::countFor(qint64 parents) const
{
    return saturatedProduct(count, std::max<qint64>(parents, 1));
}

ExpandedList expandList(const QStringList& lines, const NotationSettings& notation, qint64 mostEntries)
{
    ExpandedList list;
    list.linesPerTree = lines.size();
    list.writtenLines = lines;
    list.lines.reserve(lines.size());
    list.entries.reserve(lines.size());
    bool listing = true;
    qint64 listedFolders = 0;  // entries that make a folder: blank ones count for nothing
    // Puts `line` in the list, with its entries while the list stays within the limit.
    const auto place = [&](ExpandedLine& line, qint64 room, const auto& appendEntries) {
        list.count = saturatedSum(list.count, line.count);
        if (listing && line.count > room) {
            // Past the limit the list is refused whole: nothing of it is listed.
            listing = false;
            list.entries.clear();
            list.results.clear();
        }
        line.firstEntry = list.entries.size();
        if (listing) {
            listedFolders += line.count;
            appendEntries();
        }
        line.entryCount = list.entries.size() - line.firstEntry;
        list.lines.append(line);
    };
    // Most lists hold no brace at all. Their lines, up to the first that
    // does, are one entry each, as written: placed in one go, without an
    // append a line (a call and its checks, a fifth of expanding a list).
    // A line makes at most one folder, so the limit is no nearer than the
    // line count.
    qsizetype plain = 0;
    const qsizetype plainAtMost = std::min(lines.size(), mostEntries);
    while (plain < plainAtMost && (notation.literal || !hasBrace(lines.at(plain))))
        ++plain;
    list.lines.resize(plain);
    list.entries.resize(plain);
    for (qsizetype index = 0; index < plain; ++index) {
        ExpandedLine& line = list.lines[index];
        line.firstEntry = index;
        line.entryCount = 1;
        line.count = hasLevel(lines.at(index)) ? 1 : 0;
        list.count += line.count;
        listedFolders += line.count;
        list.entries[index].line = static_cast<int>(index);
    }
    for (qsizetype index = plain; index < lines.size(); ++index) {
        const QString& text = lines.at(index);
        const int lineIndex = static_cast<int>(index);
        const qint64 room = listing ? mostEntries - listedFolders : 0;
        ExpandedLine line;
        // Most lines hold no brace at all: one entry, as written.
        if (notation.literal || !hasBrace(text)) {
            line.count = hasLevel(text) ? 1 : 0;
            place(line, room, [&] { list.entries.append({lineIndex, 0, -1, false}); });
            continue;
        }
        // Listed even with no room left, so that a blank line still gets its row.
        Expansion expansion = expandNotation(text, notation.values, std::max<qint64>(room, 1));
        line.showsResults = expansion.usesNotation;
        line.unknownGroup = expansion.unknownGroup;
        if (!expansion.missingValues.isEmpty()) {
            line.missing = static_cast<int>(list.missing.size());
            list.missing.append(expansion.missingValues);
        }
        appendNewNames(list.missingValues, expansion.missingValues);
        const bool listed = !expansion.results.isEmpty();
        line.count = !expansion.missingValues.isEmpty() ? 0
                     : listed ? std::count_if(expansion.results.cbegin(), expansion.results.cend(),
                                              [](const NotationResult& result) { return hasLevel(result.text); })
                              : expansion.count;
        place(line, room, [&] {
            for (NotationResult& result : expansion.results) {
                list.entries.append({lineIndex, 0, static_cast<int>(list.results.size()), result.valueAddsLevel});
                list.results.append(std::move(result.text));
            }
        });
    }
    if (!listing) {
        for (ExpandedLine& line : list.lines)
            line.firstEntry = line.entryCount = 0;
    }
    return list;
}

Expansion expandParentName(const QString& name, const NotationSettings& notation)
{
    return expand(name, notation, mostFoldersPerPress);
}

QStringList askedNamesOf(const QStringList& lines, const QString& parentName)
{
    QStringList names;
    for (const QString& line : lines)
        appendNewNames(names, askedNames(line));
    appendNewNames(names, askedNames(parentName));
    return names;
}

bool usesDatesIn(const QStringList& lines, const QString& parentName)
{
    return usesDates(parentName) ||
           std::any_of(lines.cbegin(), lines.cend(), [](const QString& line) { return usesDates(line); });
}

}  // namespace kestrune
