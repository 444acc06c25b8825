#pragma once

#include <QList>
#include <QString>

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

}  // namespace kestrune
