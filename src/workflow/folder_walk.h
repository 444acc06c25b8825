#pragma once

#include "folders.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace kestrune {

// Levels open at once below a walk's root; a deeper line opens the higher
// levels again by name when it needs them.
inline constexpr int mostOpenLevels = 16;

// A path of folders below an open root, each level opened by name from the
// open level above it and never from the root of the file system. Levels are
// opened when first needed and compared with the folder expected there, so
// that a level swapped for another folder or a link is noticed, not entered.
// At most mostOpenLevels are held open.
class FolderWalk {
public:
    explicit FolderWalk(std::shared_ptr<OpenFolder> root);

    // Levels below the root.
    qsizetype depth() const { return static_cast<qsizetype>(levels_.size()); }
    // The name and the expected folder of level `depth` (1 to depth()).
    const QString& name(qsizetype depth) const { return level(depth).name; }
    const std::optional<FolderId>& expected(qsizetype depth) const { return level(depth).expected; }

    // How many of `levels` (outermost first) the walk already goes down.
    qsizetype sharedDepth(const QStringList& levels) const;
    // Drops every level below `depth`.
    void truncate(qsizetype depth);
    // Goes one level down, to `name`, expected to be `expected` (any folder
    // when none), without opening it yet.
    void descend(const QString& name, std::optional<FolderId> expected);

    // The open folder at `depth` (0 is the root), opened now if need be. Fails
    // as OpenFolder::openFolder does, or with error 76 when the folder there
    // is not the one expected. Valid until the next call.
    OpenFolder& folder(qsizetype depth);

private:
    struct Level {
        QString name;
        std::optional<FolderId> expected;
        std::unique_ptr<OpenFolder> open;
    };
    const Level& level(qsizetype depth) const { return levels_.at(static_cast<std::size_t>(depth - 1)); }
    Level& level(qsizetype depth) { return levels_.at(static_cast<std::size_t>(depth - 1)); }
    // Closes the highest open level but the one at `keep`, while too many are open.
    void makeRoomBelow(qsizetype keep);

    std::shared_ptr<OpenFolder> root_;
    std::vector<Level> levels_;
    int openLevels_ = 0;
};

}  // namespace kestrune
