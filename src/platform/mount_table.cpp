#include "mount_table.h"

#include "folder_paths.h"

namespace kestrune {

namespace {

QStringView withoutTrailingSeparators(QStringView path)
{
    while (path.size() > 1 && path.endsWith(pathSeparator))
        path.chop(1);
    return path;
}

}  // namespace

qsizetype lengthOfRootHolding(QStringView root, QStringView path)
{
    root = withoutTrailingSeparators(root);
    path = withoutTrailingSeparators(path);
    if (root == u"/")
        return path.startsWith(pathSeparator) ? 1 : -1;
    const bool holds = !root.isEmpty() && path.startsWith(root) &&
                       (path.size() == root.size() || path.at(root.size()) == pathSeparator);
    return holds ? root.size() : -1;
}

MountPlace mountPlaceOf(const QString& path, const MountTable& mounts)
{
    const QString real = mounts.resolvedPath(path);
    const QStringView folder = withoutTrailingSeparators(real);
    const QList<MountEntry> entries = mounts.entries();
    const qsizetype holding =
        indexOfRootHolding(entries, folder, [](const MountEntry& entry) { return QStringView(entry.mountPoint); });
    if (holding < 0)
        return {};
    MountPlace place;
    place.mount = entries.at(holding);
    const qsizetype rootLength = lengthOfRootHolding(place.mount.mountPoint, folder);
    place.belowRoot = folder.sliced(qMin(folder.size(), rootLength + (rootLength == 1 ? 0 : 1))).toString();
    return place;
}

}  // namespace kestrune
