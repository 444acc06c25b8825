#include "folder_tree.h"

#include "folder_paths.h"
#include "folder_walk.h"
#include "workflow_texts.h"

#include <QHash>

#include <algorithm>

namespace kestrune {

namespace {

// Makes the parent, adding "#" while an entry of that name exists; or, to
// fill one in, takes the folder that is there. The make itself decides, so
// no other program can take the name between a look and the make. The "#"
// search ends when the name grows past what the file system accepts: the
// folder maker then fails with "name too long".
MadeEntry reachParentFolder(OpenFolder& base, QString name, ParentChoice choice, CreationRecord& record,
                            PressJournal* journal)
{
    for (;;) {
        if (const std::optional<FolderId> id = base.makeFolder(name)) {
            record.made.append({name, *id, EntryKind::Folder, {}});
            record.parents.append({name, true});
            if (journal) {
                journal->made(record.made.constLast());
                journal->parentReached(record.parents.constLast());
            }
            return record.made.constLast();
        }
        if (choice == ParentChoice::FillIn) {
            const FolderEntry there = base.entry(name);
            if (there.kind == EntryKind::Missing)  // gone again at once
                throw RuntimeError(PathNotFound, texts::levelReplaced.arg(joinPath(base.path(), name)));
            if (there.kind != EntryKind::Folder)
                throw RuntimeError(PathNotFound, texts::levelNotAFolder.arg(joinPath(base.path(), name)));
            record.parents.append({name, false});
            if (journal)
                journal->parentReached(record.parents.constLast());
            return {name, there.id, EntryKind::Folder, {}};
        }
        name += u'#';
    }
}

// Stops the press unless `name` in `above` is still the folder `id`.
void requireSameFolder(const OpenFolder& above, const QString& name, const FolderId& id)
{
    const FolderEntry now = above.entry(name);
    if (now.kind == EntryKind::Link || now.kind == EntryKind::Other)
        throw RuntimeError(PathNotFound, texts::levelNotAFolder.arg(joinPath(above.path(), name)));
    if (now.kind == EntryKind::Missing || !isSameFolder(now.id, id))
        throw RuntimeError(PathNotFound, texts::levelReplaced.arg(joinPath(above.path(), name)));
}

// Makes one level in `above`; true when it was made, false when a folder of
// that name was there already. `id` says which folder the level is. A file
// or a link of that name fails.
bool makeOrKeepFolder(OpenFolder& above, const QString& name, FolderId& id)
{
    if (const std::optional<FolderId> made = above.makeFolder(name)) {
        id = *made;
        return true;
    }
    const FolderEntry there = above.entry(name);
    if (there.kind == EntryKind::Missing)  // gone again at once
        throw RuntimeError(PathNotFound, texts::levelReplaced.arg(joinPath(above.path(), name)));
    if (there.kind != EntryKind::Folder)
        throw RuntimeError(PathNotFound, texts::levelNotAFolder.arg(joinPath(above.path(), name)));
    id = there.id;
    return false;
}

}  // namespace

void makeFolderTree(const std::shared_ptr<OpenFolder>& base, const QString& parentName, ParentChoice choice,
                    const QList<LinePreview>& preview, CreationRecord& record, PressProgress* progress,
                    PressJournal* journal, const QList<qsizetype>& entryIndexes, TemplateCopier* copier,
                    const QList<TemplateCopy>& copies)
{
    record.basePath = base->path();
    record.baseId = base->id();
    const MadeEntry parent = reachParentFolder(*base, parentName, choice, record, journal);
    const qsizetype outcome = record.parents.size() - 1;

    // The levels of the line before stay open for the next line; the parent
    // is level 1. Levels made or kept in this press, relative to the base,
    // are known by their folder: a level shared by many lines is made once,
    // and found again only as that same folder.
    FolderWalk walk(base);
    walk.descend(parent.path, parent.id);
    // Each level reached, with whether this press made it: a line counts as
    // there already only when its folder was there before the press.
    struct Reached {
        FolderId id;
        bool made = false;
    };
    QHash<QString, Reached> done;
    const auto folderAt = [&done](const QString& path) -> std::optional<FolderId> {
        const auto found = done.constFind(path);
        return found == done.cend() ? std::nullopt : std::optional<FolderId>(found->id);
    };
    // The parent's own files go in first; a failure there is the parent's.
    if (copier)
        copier->startParent(walk, parent, copies, record);
    for (qsizetype at = 0; at < preview.size(); ++at) {
        const LinePreview& line = preview.at(at);
        const qsizetype entry = entryIndexes.isEmpty() ? at : entryIndexes.at(at);
        if (line.status == LineStatus::Repeat) {
            if (progress)
                progress->folderDone(entry);
            continue;
        }
        if (!makesFolder(line.status))
            continue;
        try {
            QStringList levels = line.folder.split(pathSeparator);
            levels.prepend(parent.path);
            const qsizetype shared = walk.sharedDepth(levels);
            walk.truncate(shared);
            // Levels the line before left open: still where they were? Below
            // one swapped for a link, a make would land wherever it leads.
            for (qsizetype depth = 2; depth <= shared; ++depth)
                requireSameFolder(walk.folder(depth - 1), walk.name(depth), *walk.expected(depth));
            QString path = levels.first(shared).join(pathSeparator);
            for (qsizetype depth = shared + 1; depth <= levels.size(); ++depth) {
                const QString& name = levels.at(depth - 1);
                path += pathSeparator + name;
                OpenFolder& above = walk.folder(depth - 1);
                FolderId id;
                if (const auto known = done.constFind(path); known != done.cend()) {
                    id = known->id;
                    requireSameFolder(above, name, id);
                } else {
                    const bool made = makeOrKeepFolder(above, name, id);
                    if (made) {
                        record.made.append({path, id, EntryKind::Folder, {}});
                        ++record.parents[outcome].foldersMade;
                        if (journal)
                            journal->made(record.made.constLast());
                    }
                    done.insert(path, {id, made});
                }
                walk.descend(name, id);
            }
            if (!done.value(path).made) {  // `path` is now the line's whole folder
                ++record.alreadyThere;
                ++record.parents[outcome].alreadyThere;
            }
            if (copier)
                copier->copyThrough(entry, folderAt);
        } catch (const RuntimeError& error) {
            if (progress)
                progress->folderFailed(entry, error);
            throw;
        }
        if (progress)
            progress->folderDone(entry);
    }
    // Everything was made through the open parent; had its name been swapped
    // for a link meanwhile, the folders would not be where the person looks.
    requireSameFolder(*base, parent.path, parent.id);
}

}  // namespace kestrune
