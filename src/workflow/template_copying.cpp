#include "template_copying.h"

#include "folder_paths.h"
#include "runtime_error.h"
#include "workflow_texts.h"

#include <utility>

namespace kestrune {

namespace {

// Template files held open at once; a template rarely has more.
constexpr qsizetype mostOpenSources = 64;

QStringList containingLevels(const QStringList& levels)
{
    return levels.first(levels.size() - 1);
}

}  // namespace

TemplateCopier::TemplateCopier(std::shared_ptr<OpenFolder> templateFolder, qint64 totalBytes, PressProgress* progress,
                               PressJournal* journal)
    : source_(std::move(templateFolder)), totalBytes_(totalBytes), progress_(progress), journal_(journal)
{
}

SourceFile& TemplateCopier::sourceOf(const QStringList& levels)
{
    const QString path = levels.join(pathSeparator);
    if (const auto known = open_.constFind(path); known != open_.cend())
        return **known;
    if (open_.size() >= mostOpenSources)
        open_.clear();
    const QStringList folders = containingLevels(levels);
    source_.truncate(source_.sharedDepth(folders));
    for (qsizetype depth = source_.depth(); depth < folders.size(); ++depth)
        source_.descend(folders.at(depth), std::nullopt);
    std::shared_ptr<SourceFile> file = source_.folder(folders.size()).openFile(levels.constLast());
    return **open_.insert(path, file);
}

void TemplateCopier::startParent(FolderWalk& walk, const MadeEntry& parent, const QList<TemplateCopy>& copies,
                                 CreationRecord& record)
{
    walk_ = &walk;
    parentName_ = parent.path;
    copies_ = &copies;
    next_ = 0;
    record_ = &record;
    outcome_ = record.parents.size() - 1;
    made_.clear();
    copyThrough(-1, {});
}

void TemplateCopier::copyThrough(qsizetype entry, const KnownFolder& known)
{
    if (copies_ == nullptr)
        return;
    while (next_ < copies_->size() && copies_->at(next_).entry <= entry)
        copyOne(copies_->at(next_++), known);
}

void TemplateCopier::copyOne(const TemplateCopy& copy, const KnownFolder& known)
{
    ParentOutcome& outcome = record_->parents[outcome_];
    // A folder there already is looked at all the same: what goes into it
    // goes in through it, known by its identity.
    if (!copiesFile(copy.status) && !(copy.folder && copy.status == CopyStatus::Exists)) {
        if (copy.status == CopyStatus::Exists)
            ++outcome.filesKept;
        return;
    }
    const QStringList levels = copy.path.split(pathSeparator);
    // The walk's levels are the parent and the folders that hold the copy,
    // each expected to be the folder the press made or found there.
    const QStringList folders = QStringList{parentName_} + containingLevels(levels);
    walk_->truncate(walk_->sharedDepth(folders));
    for (qsizetype depth = walk_->depth(); depth < folders.size(); ++depth) {
        const QString path = folders.first(depth + 1).join(pathSeparator);
        std::optional<FolderId> expected;
        if (const auto ours = made_.constFind(path); ours != made_.cend())
            expected = *ours;
        else if (known)
            expected = known(path);
        // Every level the walk holds is known by its folder: the press checks
        // them again before it goes on below them.
        if (!expected) {
            const FolderEntry there = walk_->folder(depth).entry(folders.at(depth));
            if (there.kind != EntryKind::Folder)
                throw RuntimeError(
                    PathNotFound, texts::levelNotAFolder.arg(joinPath(walk_->folder(depth).path(), folders.at(depth))));
            expected = there.id;
        }
        walk_->descend(folders.at(depth), expected);
    }
    OpenFolder& into = walk_->folder(walk_->depth());
    const QString& name = levels.constLast();
    const QString path = parentName_ + pathSeparator + copy.path;
    if (copy.folder) {
        if (const std::optional<FolderId> id = into.makeFolder(name)) {
            record_->made.append({path, *id, EntryKind::Folder, {}});
            made_.insert(path, *id);
            if (journal_)
                journal_->made(record_->made.constLast());
            return;
        }
        const FolderEntry there = into.entry(name);
        if (there.kind != EntryKind::Folder)
            throw RuntimeError(PathNotFound, texts::levelNotAFolder.arg(joinPath(into.path(), name)));
        made_.insert(path, there.id);
        return;
    }
    const qint64 before = bytes_;
    CopiedFile copied;
    try {
        copied = into.copyFile(sourceOf(copy.source), name, [this, before](qint64 written) {
            bytes_ = before + written;
            if (progress_)
                progress_->bytesCopied(bytes_, totalBytes_);
        });
    } catch (const RuntimeError& error) {
        if (error.number() != FileAlreadyExists)
            throw;
        // Made meanwhile by someone else: kept as it is, if it is a file.
        const FolderEntry there = into.entry(name);
        if (!there.plainFile)
            throw RuntimeError(PathNotFound, texts::levelNotAFile.arg(joinPath(into.path(), name)));
        ++outcome.filesKept;
        return;
    }
    record_->made.append({path, copied.id, EntryKind::Other, copied.stamp});
    ++outcome.filesCopied;
    if (journal_)
        journal_->made(record_->made.constLast());
}

}  // namespace kestrune
