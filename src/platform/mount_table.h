#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace kestrune {

struct MountEntry {
    QString mountPoint;  // unescaped, as a path
    QString type;        // as the kernel names it: "ext4", "vfat", "cifs"…
};

// The file systems mounted now, in the order the kernel lists them, and how
// a path reaches them.
class MountTable {
public:
    virtual ~MountTable() = default;
    virtual QList<MountEntry> entries() const = 0;
    // `path` with every symbolic link along it followed: the folder the
    // kernel will reach, on the file system that really holds it. `path`
    // itself when it cannot be resolved (it is gone, say).
    virtual QString resolvedPath(const QString& path) const = 0;
};

// The length of `root` without its trailing separators when it holds the
// absolute `path` (is `path` or one of its parents); -1 when it does not.
qsizetype lengthOfRootHolding(QStringView root, QStringView path);

// The one search for the volume a path lies on: the index of the item whose
// root holds `path` most closely, the longest; of equal roots the later, as
// a later mount of a point hides an earlier one in the kernel's table. -1
// when none holds it. `rootOf(item)` gives an item's root path.
template <typename Item, typename RootOf>
qsizetype indexOfRootHolding(const QList<Item>& items, QStringView path, RootOf rootOf)
{
    qsizetype found = -1;
    qsizetype foundLength = -1;
    for (qsizetype index = 0; index < items.size(); ++index) {
        const qsizetype length = lengthOfRootHolding(rootOf(items.at(index)), path);
        if (length >= 0 && length >= foundLength) {
            found = index;
            foundLength = length;
        }
    }
    return found;
}

// Where a folder lies once its links are followed.
struct MountPlace {
    MountEntry mount;   // the mount that holds it; empty when none does
    QString belowRoot;  // its path below the mount's root: "" for the root itself, else "a/b"
};

// Where the folder at the absolute `path` lies in `mounts`, its links
// followed (a link to a USB stick lies on the stick).
MountPlace mountPlaceOf(const QString& path, const MountTable& mounts);

}  // namespace kestrune
