#include "list_preview.h"

#include "unicode_names.h"
#include "workflow_texts.h"

#include <algorithm>

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

qint64 ListPreview::folderCount() const
{
    return expanded.countFor(parentCount);
}

QString ListPreview::refusal() const
{
    if (!parentsInTheWay.isEmpty())
        return texts::parentsInTheWay.arg(parentsInTheWay.join(texts::listSeparator));
    if (std::any_of(parents.cbegin(), parents.cend(),
                    [](const LinePreview& parent) { return parent.status == LineStatus::Refused; }))
        return texts::badParentName;
    if (!waitingFor.isEmpty())
        return texts::valuesMissing.arg(waitingFor.join(texts::listSeparator));
    // More parents than a press makes folders are not even listed.
    if (expanded.tooMany(parentCount) || parentCount > mostFoldersPerPress)
        return texts::tooManyFolders.arg(std::max(folderCount(), parentCount)).arg(mostFoldersPerPress);
    QStringList names;
    QList<int> lineNumbers;
    names.reserve(expanded.entries.size());
    lineNumbers.reserve(expanded.entries.size());
    for (const ExpandedEntry& entry : expanded.entries) {
        names.append(entry.text);
        lineNumbers.append(entry.line + 1);
    }
    return refusalMessage(names, entries, lineNumbers);
}

ListPreview previewList(const QStringList& lines, const PreviewTarget& target, const NotationSettings& notation)
{
    ListPreview preview;
    const Expansion parentNames = expandParentName(target.parentName, notation);
    preview.parentShowsResults = parentNames.usesNotation;
    preview.parentWaitingFor = parentNames.missingValues;
    preview.parentCount = parentNames.missingValues.isEmpty() ? parentNames.count : 0;
    for (const NotationResult& result : parentNames.results) {
        LinePreview parent;
        const QString name = composedName(result.text);
        parent.folder = name;
        if (name.isEmpty() || result.valueAddsLevel) {
            // A value may neither empty the name nor add a level to it.
            parent.status = LineStatus::Refused;
            parent.reason = texts::reasonNotOneFolder;
        } else {
            parent = previewParentName(
                {target.baseFolder, name, target.volume, target.longestNameBytes, target.longestPathBytes});
            parent.composed = name != result.text;
            if (parentNames.unknownGroup && parent.status == LineStatus::Ok) {
                parent.status = LineStatus::Notation;
                parent.reason = texts::reasonUnknownNotation;
            }
        }
        preview.parents.append(parent);
    }

    preview.expanded = expandList(lines, notation, mostFoldersPerPress / std::max<qint64>(preview.parentCount, 1));
    preview.waitingFor = preview.expanded.missingValues;
    appendNewNames(preview.waitingFor, preview.parentWaitingFor);

    // Checked against the longest parent: the path limits hold for every one.
    PreviewTarget lineTarget = target;
    for (const LinePreview& parent : std::as_const(preview.parents)) {
        if (parent.folder.size() > lineTarget.parentName.size())
            lineTarget.parentName = parent.folder;
    }
    // Made and compared in NFC: a decomposed twin of a line is the same folder.
    QStringList names;
    names.reserve(preview.expanded.entries.size());
    for (const ExpandedEntry& entry : std::as_const(preview.expanded.entries))
        names.append(composedName(entry.text));
    preview.entries = previewLines(names, lineTarget);
    for (qsizetype index = 0; index < preview.entries.size(); ++index) {
        const ExpandedEntry& entry = preview.expanded.entries.at(index);
        LinePreview& line = preview.entries[index];
        line.composed = names.at(index) != entry.text;
        if (line.status == LineStatus::Repeat)
            line.sameAsLine = preview.expanded.entries.at(line.sameAsLine - 1).line + 1;
        if (entry.valueAddsLevel && line.status != LineStatus::Blank) {
            line.status = LineStatus::Refused;
            line.reason = texts::reasonValueAddsLevel;
        } else if (preview.expanded.lines.at(entry.line).unknownGroup && line.status == LineStatus::Ok) {
            line.status = LineStatus::Notation;
            line.reason = texts::reasonUnknownNotation;
        }
    }
    return preview;
}

QList<PreviewRow> previewRows(const QStringList& lines, const ListPreview& preview)
{
    const ExpandedList& expanded = preview.expanded;
    const bool tooMany = expanded.tooMany(preview.parentCount);
    const ToolTipWords words;
    QList<PreviewRow> rows;
    rows.reserve(lines.size() + expanded.entries.size());
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const ExpandedLine& line = expanded.lines.at(index);
        PreviewRow row;
        row.text = lines.at(index);
        if (!line.missingValues.isEmpty()) {
            row.status = LineStatus::Waiting;
            row.toolTip = waitingTip(line.missingValues);
            rows.append(row);
            continue;
        }
        if (tooMany) {
            row.status = line.count > 0 ? LineStatus::Refused : LineStatus::Blank;
            row.toolTip = texts::lineMakesFolders.withCount(line.count) + u'\n' +
                          texts::tooManyFolders.arg(preview.folderCount()).arg(mostFoldersPerPress);
            rows.append(row);
            continue;
        }
        if (!line.showsResults && line.entryCount == 1) {
            const LinePreview& entry = preview.entries.at(line.firstEntry);
            row.status = entry.status;
            row.entry = line.firstEntry;
            rows.append(row);
            continue;
        }
        // A line that stands for several folders: its count, and the worst of them.
        const LinePreview* worst = heaviest(preview.entries, line.firstEntry, line.entryCount);
        row.status = worst == nullptr ? LineStatus::Blank : worst->status;
        if (row.status == LineStatus::Repeat)
            row.status = LineStatus::Ok;
        row.toolTip = texts::lineMakesFolders.withCount(line.count);
        if (worst != nullptr && traitsOf(worst->status).weight > traitsOf(LineStatus::Ok).weight)
            row.toolTip += u'\n' + toolTipFor(*worst, words);
        rows.append(row);
        for (qsizetype entry = line.firstEntry; entry < line.firstEntry + line.entryCount; ++entry) {
            const LinePreview& result = preview.entries.at(entry);
            rows.append(PreviewRow{expanded.entries.at(entry).text, 1, result.status, {}, entry});
        }
    }
    return rows;
}

QString rowToolTip(const PreviewRow& row, const QList<LinePreview>& entries)
{
    if (row.toolTip.isEmpty() && row.entry >= 0 && row.entry < entries.size())
        return toolTipFor(entries.at(row.entry));
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
