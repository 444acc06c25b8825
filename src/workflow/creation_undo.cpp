#include "creation_undo.h"

#include "folder_paths.h"
#include "runtime_error.h"
#include "workflow_texts.h"

#include <QSet>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace kestrune {

namespace {

// Lines of each list in the report; the rest is counted in one line.
constexpr qsizetype mostUndoLinesShown = 10;

QString reasonFor(KeptBecause because)
{
    switch (because) {
    case KeptBecause::HoldsEntries:
        return texts::keptHoldsEntries;
    case KeptBecause::HoldsKeptFolder:
        return texts::keptHoldsKeptFolder;
    case KeptBecause::Replaced:
        return texts::keptReplaced;
    case KeptBecause::Missing:
        return texts::keptMissing;
    }
    return {};
}

QString containingFolder(const QString& path)
{
    return path.left(std::max<qsizetype>(path.lastIndexOf(pathSeparator), 0));
}

// The OS error's description names the path first; the report names it once.
QString reasonWithoutPath(const RuntimeError& error, const QString& path)
{
    const QString& description = error.description();
    if (description.startsWith(path) && description.mid(path.size(), 2) == QLatin1String(": "))
        return description.mid(path.size() + 2);
    return description;
}

template <class Item, class Line>
void appendCapped(QStringList& lines, const QString& heading, const QList<Item>& items, Line line)
{
    if (items.isEmpty())
        return;
    lines.append(QString());
    lines.append(heading.arg(items.size()));
    for (qsizetype index = 0; index < std::min(items.size(), mostUndoLinesShown); ++index)
        lines.append(line(items.at(index)));
    if (items.size() > mostUndoLinesShown)
        lines.append(texts::undoMoreLines.arg(items.size() - mostUndoLinesShown));
}

}  // namespace

UndoOutcome undoCreation(Folders& folders, const CreationRecord& record)
{
    UndoOutcome outcome;
    // Folders holding one that stays: they are not empty, so not even tried,
    // and they are listed for what they hold rather than as "has contents".
    QSet<QString> holdingStayers;
    const auto keep = [&](const QString& path, KeptBecause because) {
        outcome.kept.append({path, because, reasonFor(because)});
    };
    // Deepest first: the reverse of the order made.
    for (qsizetype index = record.made.size() - 1; index >= 0; --index) {
        const MadeFolder& made = record.made.at(index);
        const QString& path = made.path;
        // Checked just before the removal; another program could still swap
        // the folder in between, but only an empty one could then go.
        const std::optional<FolderId> now = folders.folderId(path);
        if (!now) {
            keep(path, KeptBecause::Missing);
            continue;
        }
        // Not ours: it stays, and its parent's removal finds it there.
        if (*now != made.id) {
            keep(path, KeptBecause::Replaced);
            continue;
        }
        if (holdingStayers.contains(path)) {
            keep(path, KeptBecause::HoldsKeptFolder);
            holdingStayers.insert(containingFolder(path));
            continue;
        }
        try {
            if (folders.removeEmptyFolder(path)) {
                ++outcome.removed;
                continue;
            }
            keep(path, KeptBecause::HoldsEntries);
        } catch (const RuntimeError& error) {
            outcome.failures.append({path, error.number(), reasonWithoutPath(error, path)});
        }
        holdingStayers.insert(containingFolder(path));
    }
    // Listed as the list file reads: a parent before what it holds.
    std::reverse(outcome.kept.begin(), outcome.kept.end());
    std::reverse(outcome.failures.begin(), outcome.failures.end());
    return outcome;
}

QString undoQuestion(const CreationRecord& record)
{
    if (record.isEmpty())
        return {};
    return texts::undoAsk.arg(record.made.size()) + u'\n' + texts::undoAskParent.arg(record.parentPath);
}

QString undoReport(const UndoOutcome& outcome)
{
    QStringList lines{texts::undoRemoved.arg(outcome.removed)};
    appendCapped(lines, texts::undoKeptHeading, outcome.kept,
                 [](const KeptFolder& kept) { return texts::undoKeptLine.arg(kept.path, kept.reason); });
    appendCapped(lines, texts::undoFailedHeading, outcome.failures, [](const UndoFailure& failure) {
        return texts::undoFailedLine.arg(failure.path, failure.reason, QString::number(failure.number));
    });
    return lines.join(u'\n');
}

}  // namespace kestrune
