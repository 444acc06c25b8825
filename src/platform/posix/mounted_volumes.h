#pragma once

#include "mount_table.h"

#include <QList>
#include <QString>

namespace kestrune {

// A volume a person would pick to browse: the file-system root, home, removable
// media and network shares.
struct MountedVolume {
    QString label;     // how a person recognises it, e.g. "USBメモリ" or "//server/share"
    QString rootPath;  // where it is mounted; "/" for the root

    bool operator==(const MountedVolume&) const = default;
};

// The volumes of a /proc/self/mountinfo text, "/" first and the rest sorted by
// root path. Pseudo file systems and system mounts are left out.
QList<MountedVolume> volumesFromMountInfo(const QString& mountInfo);

// The volumes mounted now; "/" alone when the mount table cannot be read.
QList<MountedVolume> mountedVolumes();

// Index of the volume whose root holds `path` most closely; the root volume
// (or 0) when none does.
qsizetype volumeHolding(const QList<MountedVolume>& volumes, const QString& path);

// Every mount of a /proc/self/mountinfo text, in its order.
QList<MountEntry> mountEntriesFromMountInfo(const QString& mountInfo);

// The kernel's mount table of this process, as it is at each call. Kept
// open and read again only when the kernel reports a change (a mount or an
// unmount), since every list loaded looks its folder up in it. For one
// thread at a time.
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
