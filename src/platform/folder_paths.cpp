#include "folder_paths.h"

#include <QDir>
#include <QFileInfo>

namespace kestrune {

QString withTrailingSeparator(const QString& folder)
{
    return folder.endsWith(pathSeparator) ? folder : folder + pathSeparator;
}

QString joinPath(const QString& folder, const QString& name)
{
    return withTrailingSeparator(folder) + name;
}

QString cleanFolderPath(const QString& path)
{
    if (path.isEmpty())
        return path;
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace kestrune
