#pragma once

#include <QList>
#include <QString>

namespace kestrune {

struct MountEntry {
    QString mountPoint;  // unescaped, as a path
    QString type;        // as the kernel names it: "ext4", "vfat", "cifs"…
};

// The file systems mounted now, in the order the kernel lists them.
class MountTable {
public:
    virtual ~MountTable() = default;
    virtual QList<MountEntry> entries() const = 0;
};

}  // namespace kestrune
