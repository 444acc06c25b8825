#include "posix_folders.h"

#include "native_path.h"
#include "os_error.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrune {

FolderId PosixFolders::makeFolder(const QString& path)
{
    const QByteArray native = nativePath(path);
    if (::mkdir(native.constData(), 0777) != 0)
        throw errorFromErrno(errno, path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0)
        throw errorFromErrno(errno, path);
    return {static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
}

bool PosixFolders::isFolder(const QString& path) const
{
    struct stat info {};
    return ::lstat(nativePath(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<FolderId> PosixFolders::folderId(const QString& path) const
{
    struct stat info {};
    if (::lstat(nativePath(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return FolderId{static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
}

bool PosixFolders::removeEmptyFolder(const QString& path)
{
    if (::rmdir(nativePath(path).constData()) == 0)
        return true;
    if (errno == ENOTEMPTY || errno == EEXIST)
        return false;
    throw errorFromErrno(errno, path);
}

}  // namespace kestrune
