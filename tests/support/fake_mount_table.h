#pragma once

#include "mount_table.h"

#include <QHash>

namespace kestrune::test {

// A mount table a test writes itself, so that rules that depend on the file
// system's type can be tried without mounting one. `links` stands for
// symbolic links: a path that starts with a key continues at its value.
class FakeMountTable final : public MountTable {
public:
    QList<MountEntry> entries() const override { return mounts; }
    QString resolvedPath(const QString& path) const override
    {
        for (auto link = links.cbegin(); link != links.cend(); ++link) {
            if (path == link.key() || path.startsWith(link.key() + u'/'))
                return link.value() + path.mid(link.key().size());
        }
        return path;
    }

    QList<MountEntry> mounts{{QStringLiteral("/"), QStringLiteral("ext4")}};
    QHash<QString, QString> links;
};

}  // namespace kestrune::test
