#pragma once

#include "listing_source.h"
#include "mount_table.h"

#include <QList>
#include <QString>

namespace kestrune {

// The volumes of a /proc/self/mountinfo text, "/" first and the rest sorted by
// root path. Pseudo file systems and system mounts are left out.
QList<MountedVolume> volumesFromMountInfo(const QString& mountInfo);

// The volumes mounted now; "/" alone when the mount table cannot be read.
QList<MountedVolume> mountedVolumes();

// Every mount of a /proc/self/mountinfo text, in its order.
QList<MountEntry> mountEntriesFromMountInfo(const QString& mountInfo);

// The kernel's mount table of this process, as it is at each call. Kept
// open and read again only when the kernel reports a change (a mount or an
// unmount), since every list loaded looks its folder up in it. For one
// thread at a time.
//
// Read here, not through QStorageInfo: that gives the file system and root
// of a path, but in Qt 6.4 not the same answer. For a point mounted twice it
// names the first mount, which the second hides (autofs lies under a share
// mounted on demand, so a Windows share would pass for autofs); and
// mountedVolumes() calls statfs on every mount, which hangs on a share whose
// server is gone, and reads the table again for each one.
class ProcMountTable final : public MountTable {
public:
    ProcMountTable();
    ~ProcMountTable() override;
    ProcMountTable(const ProcMountTable&) = delete;
    ProcMountTable& operator=(const ProcMountTable&) = delete;

    QList<MountEntry> entries() const override;
    QString resolvedPath(const QString& path) const override;

private:
    int descriptor_ = -1;  // none when the table cannot be opened: then read at each call
    mutable bool current_ = false;
    mutable QList<MountEntry> entries_;
};

}  // namespace kestrune
