#include "posix_folders.h"

#include "native_path.h"
#include "os_error.h"

#include <cerrno>
#include <sys/stat.h>

namespace kestrune {

void PosixFolders::makeFolder(const QString& path)
{
    const QByteArray native = nativePath(path);
    if (::mkdir(native.constData(), 0777) != 0)
        throw errorFromErrno(errno, path);
}

bool PosixFolders::isFolder(const QString& path) const
{
    struct stat info {};
    return ::lstat(nativePath(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace kestrune
