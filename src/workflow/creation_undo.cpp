#include "creation_undo.h"

#include "folder_paths.h"
#include "folder_walk.h"
#include "runtime_error.h"
#include "workflow_texts.h"

#include <QSet>
#include <QStringList>

#include <algorithm>
#include <iterator>
#include <optional>

namespace kestrune {

namespace {

// Lines of each list in the report; the rest is counted in one line.
constexpr qsizetype mostUndoLinesShown = 10;

QString reasonFor(KeptBecause because, bool file)
{
    switch (because) {
    case KeptBecause::HoldsEntries:
        return texts::keptHoldsEntries;
    case KeptBecause::HoldsKeptFolder:
        return texts::keptHoldsKeptFolder;
    case KeptBecause::Replaced:
        return file ? texts::keptReplacedFile : texts::keptReplaced;
    case KeptBecause::Missing:
        return texts::keptMissing;
    case KeptBecause::Changed:
        return texts::keptChanged;
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
void appendCapped(QStringList& lines, const Text& heading, const QList<Item>& items, Line line)
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

// The items about folders, or about files.
template <class Item> QList<Item> only(const QList<Item>& items, bool files)
{
    QList<Item> chosen;
    std::copy_if(items.cbegin(), items.cend(), std::back_inserter(chosen),
                 [files](const Item& item) { return item.file == files; });
    return chosen;
}

}  // namespace

UndoOutcome undoCreation(CreationRecord& record, Folders& folders)
{
    UndoOutcome outcome;
    if (record.isEmpty())
        return outcome;
    // Opened again by its path, but taken only while it is still the folder
    // the press worked in: below it, everything goes by handle.
    std::shared_ptr<OpenFolder> base;
    try {
        base = folders.openFolder(record.basePath);
        if (!isSameFolder(base->id(), record.baseId))
            throw RuntimeError(PathNotFound, texts::levelReplaced.arg(record.basePath));
    } catch (const RuntimeError& error) {
        // Nothing is reachable: every folder stays, for another try.
        for (const MadeEntry& made : std::as_const(record.made))
            outcome.failures.append(
                {record.pathOf(made), error.number(), error.description(), made.kind != EntryKind::Folder});
        return outcome;
    }
    // What is still there to remove, deepest first as met.
    QList<MadeEntry> stillThere;
    // Folders holding one that stays: they are not empty, so not even tried,
    // and they are listed for what they hold rather than as "has contents".
    QSet<QString> holdingStayers;
    const auto keep = [&](const MadeEntry& made, KeptBecause because) {
        const bool file = made.kind != EntryKind::Folder;
        outcome.kept.append({record.pathOf(made), because, reasonFor(because, file), file});
    };
    const auto fail = [&](const MadeEntry& made, const RuntimeError& error) {
        const QString path = record.pathOf(made);
        outcome.failures.append({path, error.number(), reasonWithoutPath(error, path), made.kind != EntryKind::Folder});
    };
    const auto stays = [&](const MadeEntry& made) {
        stillThere.append(made);
        holdingStayers.insert(containingFolder(made.path));
    };
    // A copied file goes only while it is the file copied, as it was then:
    // one saved over (a new file put in its place) or edited is the person's.
    const auto undoCopiedFile = [&](const MadeEntry& made, const FolderEntry& now, OpenFolder& folder,
                                    const QString& name) {
        if (now.kind != EntryKind::Other || !now.plainFile) {
            keep(made, KeptBecause::Missing);
            return;
        }
        if (!isSameFolder(now.id, made.id)) {
            keep(made, KeptBecause::Replaced);
            return;
        }
        if (now.stamp != made.stamp) {
            keep(made, KeptBecause::Changed);
            stays(made);
            return;
        }
        try {
            if (folder.removeFile(name))
                ++outcome.filesRemoved;
            else
                keep(made, KeptBecause::Missing);
        } catch (const RuntimeError& error) {
            fail(made, error);
            stays(made);
        }
    };
    // The containing folders of the last folder looked at stay open for the
    // next: folders made together are undone together.
    FolderWalk walk(base);
    // The levels of the folder holding the last one looked at: most folders
    // share them with the one before.
    QStringList levels;
    std::optional<QStringView> holding;
    // Deepest first: the reverse of the order made.
    for (qsizetype index = record.made.size() - 1; index >= 0; --index) {
        const MadeEntry& made = record.made.at(index);
        const qsizetype cut = made.path.lastIndexOf(pathSeparator);
        const QString name = made.path.sliced(cut + 1);
        const QStringView holder = cut < 0 ? QStringView() : QStringView(made.path).first(cut);
        if (holding != holder) {
            holding = holder;
            levels = cut < 0 ? QStringList() : holder.toString().split(pathSeparator);
            walk.truncate(walk.sharedDepth(levels));
            for (qsizetype depth = walk.depth(); depth < levels.size(); ++depth)
                walk.descend(levels.at(depth), std::nullopt);
        }
        // Looked at just before the removal; another program could still swap
        // the folder in between, but only an empty one could then go.
        FolderEntry now;
        try {
            // Most folders are still the ones made, which one look can tell;
            // a copied file needs the full look, its size and time too.
            OpenFolder& holderFolder = walk.folder(levels.size());
            const bool folderAsMade = made.kind == EntryKind::Folder && holderFolder.holdsFolder(name, made.id);
            now = folderAsMade ? FolderEntry{EntryKind::Folder, made.id} : holderFolder.entry(name);
        } catch (const RuntimeError& error) {
            // The folder that held it is gone, or a link now: so is it, from here.
            if (error.number() == FileNotFound || error.number() == PathNotFound) {
                keep(made, KeptBecause::Missing);
            } else {
                fail(made, error);
                stays(made);
            }
            continue;
        }
        if (made.kind != EntryKind::Folder) {
            undoCopiedFile(made, now, walk.folder(levels.size()), name);
            continue;
        }
        if (now.kind != EntryKind::Folder) {
            keep(made, KeptBecause::Missing);
            continue;
        }
        // Not ours: it stays, and its parent's removal finds it there.
        if (!isSameFolder(now.id, made.id)) {
            keep(made, KeptBecause::Replaced);
            continue;
        }
        if (holdingStayers.contains(made.path)) {
            keep(made, KeptBecause::HoldsKeptFolder);
            stays(made);
            continue;
        }
        try {
            if (walk.folder(levels.size()).removeEmptyFolder(name)) {
                if (cut < 0)
                    ++outcome.parentsRemoved;
                else
                    ++outcome.removed;
                continue;
            }
            keep(made, KeptBecause::HoldsEntries);
        } catch (const RuntimeError& error) {
            fail(made, error);
        }
        stays(made);
    }
    // Listed as the list file reads: a parent before what it holds.
    std::reverse(outcome.kept.begin(), outcome.kept.end());
    std::reverse(outcome.failures.begin(), outcome.failures.end());
    std::reverse(stillThere.begin(), stillThere.end());
    if (stillThere.isEmpty())
        record = CreationRecord{};
    else
        record.made = stillThere;
    return outcome;
}

QString undoQuestion(const CreationRecord& record)
{
    if (record.isEmpty())
        return {};
    QString parentLine;
    if (record.parents.size() > 1)
        parentLine =
            texts::undoAskParents.withCount(record.parentsMade()).arg(record.parents.size()).arg(record.basePath);
    else
        parentLine = (record.holdsParent() ? texts::undoAskParent : texts::undoAskParentStays).arg(record.parentPath());
    const qsizetype files = record.filesMade();
    const QString ask = files > 0 ? texts::undoAskWithFiles.arg(record.subFoldersMade()).arg(files)
                                  : texts::undoAsk.withCount(record.subFoldersMade());
    return ask + u'\n' + parentLine;
}

QString undoReport(const UndoOutcome& outcome)
{
    QStringList lines{outcome.parentsRemoved > 1
                          ? texts::undoRemovedWithParents.withCount(outcome.removed).arg(outcome.parentsRemoved)
                      : outcome.parentsRemoved == 1 ? texts::undoRemovedWithParent.withCount(outcome.removed)
                                                    : texts::undoRemoved.withCount(outcome.removed)};
    if (outcome.filesRemoved > 0)
        lines.append(texts::undoFilesRemoved.arg(outcome.filesRemoved));
    const auto keptLine = [](const KeptFolder& kept) { return texts::undoKeptLine.arg(kept.path, kept.reason); };
    const auto failedLine = [](const UndoFailure& failure) {
        return texts::undoFailedLine.arg(failure.path, failure.reason, QString::number(failure.number));
    };
    appendCapped(lines, texts::undoKeptHeading, only(outcome.kept, false), keptLine);
    appendCapped(lines, texts::undoKeptFilesHeading, only(outcome.kept, true), keptLine);
    appendCapped(lines, texts::undoFailedHeading, only(outcome.failures, false), failedLine);
    appendCapped(lines, texts::undoFailedFilesHeading, only(outcome.failures, true), failedLine);
    return lines.join(u'\n');
}

}  // namespace kestrune
