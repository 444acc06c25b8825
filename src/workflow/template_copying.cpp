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
    return **open_.insert(path, std::move(file));
}

void TemplateCopier::startParent(const std::shared_ptr<OpenFolder>& base, const MadeEntry& parent,
                                 const QList<TemplateCopy>& copies, CreationRecord& record)
{
    walk_.emplace(base);
    walk_->descend(parent.path, parent.id);
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
    if (!copiesFile(copy.status)) {
        if (copy.status == CopyStatus::Exists && !copy.folder)
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
