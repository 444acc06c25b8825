#include "list_expansion.h"

#include <algorithm>
#include <limits>

namespace kestrune {

namespace {

qint64 saturatedProduct(qint64 a, qint64 b)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    return b != 0 && a > most / b ? most : a * b;
}

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

void appendNew(QStringList& to, const QStringList& names)
{
    for (const QString& name : names) {
        if (!to.contains(name))
            to.append(name);
    }
}

}  // namespace

qint64 ExpandedList::countFor(qint64 parents) const
{
    return saturatedProduct(count, std::max<qint64>(parents, 1));
}

ExpandedList expandList(const QStringList& lines, const NotationSettings& notation, qint64 mostEntries)
{
    ExpandedList list;
    list.lines.reserve(lines.size());
    list.entries.reserve(lines.size());
    bool listing = true;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const qint64 room = listing ? mostEntries - list.entries.size() : 0;
        Expansion expansion = expand(lines.at(index), notation, std::max<qint64>(room, 0));
        ExpandedLine line;
        line.count = expansion.missingValues.isEmpty() ? expansion.count : 0;
        line.showsResults = expansion.usesNotation;
        line.unknownGroup = expansion.unknownGroup;
        line.missingValues = expansion.missingValues;
        appendNew(list.missingValues, expansion.missingValues);
        list.count = list.count > std::numeric_limits<qint64>::max() - line.count ? std::numeric_limits<qint64>::max()
                                                                                  : list.count + line.count;
        if (listing && line.count > room) {
            // Past the limit the list is refused whole: nothing of it is listed.
            listing = false;
            list.entries.clear();
        }
        line.firstEntry = list.entries.size();
        if (listing) {
            for (NotationResult& result : expansion.results)
                list.entries.append({static_cast<int>(index), std::move(result.text), result.valueAddsLevel});
        }
        line.entryCount = list.entries.size() - line.firstEntry;
        list.lines.append(line);
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
        appendNew(names, askedNames(line));
    appendNew(names, askedNames(parentName));
    return names;
}

bool usesDatesIn(const QStringList& lines, const QString& parentName)
{
    return usesDates(parentName) ||
           std::any_of(lines.cbegin(), lines.cend(), [](const QString& line) { return usesDates(line); });
}

}  // namespace kestrune
