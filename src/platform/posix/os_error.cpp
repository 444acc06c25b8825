#include "os_error.h"

#include <cerrno>
#include <cstring>

namespace kestrune {

namespace {

int errorNumberForErrno(int osError)
{
    // The one table from OS errors to host numbers. A volume that is gone maps
    // to 68 and one that does not answer to 71, which the drive list reports.
    switch (osError) {
    case ENOENT:
        return FileNotFound;
    case ENOTDIR:
        return PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return PermissionDenied;
    case EEXIST:
        return FileAlreadyExists;
    case ENOSPC:
    case EDQUOT:
    case EMLINK:
        return DiskFull;
    case EMFILE:
    case ENFILE:
        return TooManyFiles;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
    case ELOOP:
    case EISDIR:
        return PathFileAccessError;
    case EBADF:
        return BadFileNameOrNumber;
    case ENOMEDIUM:
    case ENXIO:
    case ENODEV:
        return DeviceUnavailable;
    case EIO:
    case ENOTCONN:
    case ESTALE:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ETIMEDOUT:
        return DiskNotReady;
    default:
        return DeviceIOError;
    }
}

}  // namespace

RuntimeError errorFromErrno(int osError, const QString& path)
{
    const QString reason = QString::fromLocal8Bit(std::strerror(osError));
    if (path.isEmpty())
        return RuntimeError(errorNumberForErrno(osError), reason);
    return RuntimeError(errorNumberForErrno(osError), QStringLiteral("%1: %2").arg(path, reason));
}

}  // namespace kestrune
