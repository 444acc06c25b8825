#include "folder_walk.h"

#include "folder_paths.h"
#include "runtime_error.h"
#include "workflow_texts.h"

#include <utility>

namespace kestrune {

FolderWalk::FolderWalk(std::shared_ptr<OpenFolder> root) : root_(std::move(root)) {}

qsizetype FolderWalk::sharedDepth(const QStringList& levels) const
{
    qsizetype shared = 0;
    while (shared < depth() && shared < levels.size() && levels.at(shared) == name(shared + 1))
        ++shared;
    return shared;
}

void FolderWalk::truncate(qsizetype depth)
{
    while (this->depth() > depth) {
        if (levels_.back().open)
            --openLevels_;
        levels_.pop_back();
    }
}

void FolderWalk::descend(const QString& name, std::optional<FolderId> expected)
{
    levels_.push_back({name, std::move(expected), nullptr});
}

void FolderWalk::makeRoomBelow(qsizetype keep)
{
    for (qsizetype depth = 1; openLevels_ >= mostOpenLevels && depth <= this->depth(); ++depth) {
        if (depth != keep && level(depth).open) {
            level(depth).open.reset();
            --openLevels_;
        }
    }
}

OpenFolder& FolderWalk::folder(qsizetype depth)
{
    qsizetype open = depth;
    while (open > 0 && !level(open).open)
        --open;
    for (qsizetype next = open + 1; next <= depth; ++next) {
        OpenFolder& above = next == 1 ? *root_ : *level(next - 1).open;
        makeRoomBelow(next - 1);
        Level& below = level(next);
        try {
            below.open = above.openFolder(below.name);
        } catch (const RuntimeError& error) {
            if (error.number() != PathNotFound)
                throw;
            throw RuntimeError(PathNotFound, texts::levelNotAFolder.arg(joinPath(above.path(), below.name)));
        }
        if (below.expected && !isSameFolder(below.open->id(), *below.expected)) {
            const QString path = below.open->path();
            below.open.reset();
            throw RuntimeError(PathNotFound, texts::levelReplaced.arg(path));
        }
        ++openLevels_;
    }
    return depth == 0 ? *root_ : *level(depth).open;
}

}  // namespace kestrune
