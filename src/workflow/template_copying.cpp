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

TemplateCopier::TemplateCopier(std::shared_ptr<OpenFolder> templateFolder, std::function<void(qint64)> bytesCopied)
    : source_(std::move(templateFolder)), tell_(std::move(bytesCopied))
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

void TemplateCopier::copy(const std::shared_ptr<OpenFolder>& base, const QString& parentName, const FolderId& parentId,
                          const QList<TemplateCopy>& copies, CreationRecord& record, ParentOutcome& outcome)
{
    FolderWalk walk(base);
    walk.descend(parentName, parentId);
    // The template's folders made here, known by their identity from then on.
    QHash<QString, FolderId> made;
    for (const TemplateCopy& copy : copies) {
        if (copy.status != CopyStatus::File && copy.status != CopyStatus::Unsafe) {
            if (copy.status == CopyStatus::Exists && !copy.folder)
                ++outcome.filesKept;
            continue;
        }
        const QStringList levels = copy.path.split(pathSeparator);
        // The walk's levels are the parent and the folders that hold the copy.
        const QStringList folders = QStringList{parentName} + containingLevels(levels);
        walk.truncate(walk.sharedDepth(folders));
        for (qsizetype depth = walk.depth(); depth < folders.size(); ++depth) {
            const auto known = made.constFind(folders.first(depth + 1).join(pathSeparator));
            walk.descend(folders.at(depth), known == made.cend() ? std::nullopt : std::optional<FolderId>(*known));
        }
        OpenFolder& into = walk.folder(walk.depth());
        const QString& name = levels.constLast();
        const QString path = parentName + pathSeparator + copy.path;
        if (copy.folder) {
            if (const std::optional<FolderId> id = into.makeFolder(name)) {
                record.made.append({path, *id});
                made.insert(path, *id);
                continue;
            }
            const FolderEntry there = into.entry(name);
            if (there.kind != EntryKind::Folder)
                throw RuntimeError(PathNotFound, texts::levelNotAFolder.arg(joinPath(into.path(), name)));
            continue;
        }
        const qint64 before = bytes_;
        CopiedFile copied;
        try {
            copied = into.copyFile(sourceOf(copy.source), name, [this, before](qint64 written) {
                bytes_ = before + written;
                if (tell_)
                    tell_(bytes_);
            });
        } catch (const RuntimeError& error) {
            if (error.number() != FileAlreadyExists)
                throw;
            // Made meanwhile by someone else: kept as it is, if it is a file.
            const FolderEntry there = into.entry(name);
            if (!there.plainFile)
                throw RuntimeError(PathNotFound, texts::levelNotAFile.arg(joinPath(into.path(), name)));
            ++outcome.filesKept;
            continue;
        }
        record.made.append({path, copied.id, EntryKind::Other, copied.stamp});
        ++outcome.filesCopied;
    }
}

}  // namespace kestrune
