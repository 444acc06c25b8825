#include "listing_source.h"

#include "mount_table.h"

namespace kestrune {

qsizetype volumeHolding(const QList<MountedVolume>& volumes, QStringView path)
{
    const qsizetype found =
        indexOfRootHolding(volumes, path, [](const MountedVolume& volume) { return QStringView(volume.rootPath); });
    return found < 0 ? 0 : found;
}

bool isListFileName(QStringView name)
{
    // The extension in any letter case: lists written on Windows are often "LIST.TXT".
    static constexpr QStringView extension = u".txt";
    return name.size() > extension.size() && name.endsWith(extension, Qt::CaseInsensitive);
}

}  // namespace kestrune
