#include "posix_folders.h"

#include "dir_closer.h"
#include "entry_name.h"
#include "folder_paths.h"
#include "native_path.h"
#include "os_error.h"
#include "posix_texts.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrune {

namespace {

// A descriptor that names the folder without reading it: a folder that may
// be searched but not listed can still be worked in.
constexpr int folderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
constexpr unsigned idMask = STATX_TYPE | STATX_INO | STATX_BTIME;

// The bytes of one level's name in `folder`. Anything more than one level is
// refused, so that no call here walks a path; a name too long fails as the
// kernel would fail it. The full path is joined only for the error.
QByteArray nativeName(const QString& name, const QString& folder)
{
    switch (entryNameFault(name)) {
    case EntryNameFault::NotOne:
        throw RuntimeError(BadFileNameOrNumber, texts::notOneFolderName.arg(joinPath(folder, name)));
    case EntryNameFault::TooLong:
        throw errorFromErrno(ENAMETOOLONG, joinPath(folder, name));
    case EntryNameFault::None:
        break;
    }
    return nativePath(name);
}

// Reads into `id` the handle of `name` in `folder` ("" with AT_EMPTY_PATH for
// the folder itself), behind the mount it lies on; nothing when the file
// system gives none. 0, or the errno of a failure.
int readHandle(int folder, const char* name, int flags, FolderId& id)
{
    alignas(file_handle) std::array<char, sizeof(file_handle) + MAX_HANDLE_SZ> storage{};
    auto* handle = reinterpret_cast<file_handle*>(storage.data());
    handle->handle_bytes = MAX_HANDLE_SZ;
    int mount = 0;
    if (::name_to_handle_at(folder, name, handle, &mount, flags) != 0)
        return errno == EOPNOTSUPP || errno == ENOSYS || errno == EOVERFLOW ? 0 : errno;
    id.mount = mount;
    id.handle.reserve(static_cast<qsizetype>(sizeof handle->handle_type) +
                      static_cast<qsizetype>(handle->handle_bytes));
    id.handle.append(reinterpret_cast<const char*>(&handle->handle_type), sizeof handle->handle_type);
    id.handle.append(reinterpret_cast<const char*>(handle->f_handle), static_cast<qsizetype>(handle->handle_bytes));
    return 0;
}

FolderId idFrom(const struct statx& info)
{
    FolderId id;
    id.device = (quint64{info.stx_dev_major} << 32) | info.stx_dev_minor;
    id.inode = info.stx_ino;
    id.hasBirth = (info.stx_mask & STATX_BTIME) != 0;
    if (id.hasBirth) {
        id.bornSeconds = info.stx_btime.tv_sec;
        id.bornNanoseconds = info.stx_btime.tv_nsec;
    }
    return id;
}

// What stands at `name` in `folder`, links not followed; `kind` is left
// Missing for ENOENT. 0, or the errno of a failure.
int inspect(int folder, const char* name, FolderEntry& entry)
{
    struct statx info {};
    if (::statx(folder, name, AT_SYMLINK_NOFOLLOW, idMask, &info) != 0)
        return errno == ENOENT ? 0 : errno;
    if (S_ISLNK(info.stx_mode)) {
        entry.kind = EntryKind::Link;
        return 0;
    }
    if (!S_ISDIR(info.stx_mode)) {
        entry.kind = EntryKind::Other;
        return 0;
    }
    FolderId id = idFrom(info);
    if (const int error = readHandle(folder, name, 0, id); error != 0)
        return error == ENOENT ? 0 : error;
    entry = {EntryKind::Folder, id};
    return 0;
}

// The error for an entry that is no folder (or a link to one) where a folder
// was wanted.
RuntimeError notAFolder(EntryKind kind, const QString& path)
{
    if (kind == EntryKind::Missing)
        return errorFromErrno(ENOENT, path);
    return RuntimeError(PathNotFound, (kind == EntryKind::Link ? texts::aLinkEntry : texts::notAFolderEntry).arg(path));
}

}  // namespace

PosixOpenFolder::PosixOpenFolder(int descriptor, QString path) : descriptor_(descriptor), path_(std::move(path))
{
    struct statx info {};
    int error = ::statx(descriptor_, "", AT_EMPTY_PATH, idMask, &info) == 0 ? 0 : errno;
    if (error == 0) {
        id_ = idFrom(info);
        error = readHandle(descriptor_, "", AT_EMPTY_PATH, id_);
    }
    if (error != 0) {
        ::close(descriptor_);
        throw errorFromErrno(error, path_);
    }
}

PosixOpenFolder::~PosixOpenFolder()
{
    ::close(descriptor_);
}

std::optional<FolderId> PosixOpenFolder::makeFolder(const QString& name)
{
    const QByteArray native = nativeName(name, path_);
    if (::mkdirat(descriptor_, native.constData(), 0777) != 0) {
        if (errno == EEXIST)
            return std::nullopt;
        throw errorFromErrno(errno, joinPath(path_, name));
    }
    FolderEntry made;
    if (const int error = inspect(descriptor_, native.constData(), made); error != 0)
        throw errorFromErrno(error, joinPath(path_, name));
    // Swapped for something else the moment it was made.
    if (made.kind != EntryKind::Folder)
        throw notAFolder(made.kind, joinPath(path_, name));
    return made.id;
}

std::unique_ptr<OpenFolder> PosixOpenFolder::openFolder(const QString& name)
{
    const QString path = joinPath(path_, name);
    const QByteArray native = nativeName(name, path_);
    const int folder = ::openat(descriptor_, native.constData(), folderFlags | O_NOFOLLOW);
    if (folder < 0) {
        const int error = errno;
        // A link gives ELOOP or ENOTDIR: say which it is.
        FolderEntry there;
        if ((error == ENOTDIR || error == ELOOP) && inspect(descriptor_, native.constData(), there) == 0 &&
            there.kind != EntryKind::Folder)
            throw notAFolder(there.kind, path);
        throw errorFromErrno(error, path);
    }
    return std::make_unique<PosixOpenFolder>(folder, path);
}

FolderEntry PosixOpenFolder::entry(const QString& name) const
{
    // The path is put together only for a message: an undo looks at every folder it made.
    FolderEntry there;
    if (const int error = inspect(descriptor_, nativeName(name, path_).constData(), there); error != 0)
        throw errorFromErrno(error, joinPath(path_, name));
    return there;
}

bool PosixOpenFolder::holdsFolder(const QString& name, const FolderId& id) const
{
    // The handle names one inode of one generation: the same handle on the
    // same mount is the same folder, without the type and birth time a full look
    // adds. Where there is none to compare, the full look.
    if (id.handle.isEmpty())
        return OpenFolder::holdsFolder(name, id);
    FolderId there;
    if (const int error = readHandle(descriptor_, nativeName(name, path_).constData(), 0, there); error != 0) {
        if (error == ENOENT)
            return false;
        throw errorFromErrno(error, joinPath(path_, name));
    }
    return there.mount == id.mount && there.handle == id.handle;
}

namespace {

EntryKind kindOf(int folder, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK:
        return EntryKind::Link;
    case DT_UNKNOWN:
        break;
    default:
        return EntryKind::Other;
    }
    struct stat info {};
    if (::fstatat(folder, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return EntryKind::Other;
    return S_ISDIR(info.st_mode) ? EntryKind::Folder : S_ISLNK(info.st_mode) ? EntryKind::Link : EntryKind::Other;
}

}  // namespace

QList<NamedEntry> PosixOpenFolder::entries() const
{
    // The held descriptor names the folder without reading it; a listing
    // needs one opened for reading, through it, so that it is the same folder.
    const int readable = ::openat(descriptor_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (readable < 0)
        throw errorFromErrno(errno, path_);
    DIR* dir = ::fdopendir(readable);
    if (dir == nullptr) {
        const int error = errno;
        ::close(readable);
        throw errorFromErrno(error, path_);
    }
    const DirCloser closeOnExit(dir);
    QList<NamedEntry> found;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            if (errno != 0)
                throw errorFromErrno(errno, path_);
            return found;
        }
        const QByteArray bytes(entry->d_name);
        if (bytes == "." || bytes == "..")
            continue;
        QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) != bytes)
            continue;
        found.append({std::move(name), kindOf(::dirfd(dir), *entry)});
    }
}

bool PosixOpenFolder::removeEmptyFolder(const QString& name)
{
    if (::unlinkat(descriptor_, nativeName(name, path_).constData(), AT_REMOVEDIR) == 0)
        return true;
    const int error = errno;
    if (error == ENOTEMPTY || error == EEXIST)
        return false;
    throw errorFromErrno(error, joinPath(path_, name));
}

EntryKind PosixFolders::kindOf(const QString& path) const
{
    struct stat info {};
    if (path.isEmpty() || path.contains(QChar(u'\0')) || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return EntryKind::Missing;
    return S_ISDIR(info.st_mode) ? EntryKind::Folder : EntryKind::Other;
}

std::unique_ptr<OpenFolder> PosixFolders::openFolder(const QString& path)
{
    const int folder = ::open(nativePath(path).constData(), folderFlags);
    if (folder < 0) {
        if (errno == ENOTDIR)
            throw RuntimeError(PathNotFound, texts::notAFolderEntry.arg(path));
        throw errorFromErrno(errno, path);
    }
    return std::make_unique<PosixOpenFolder>(folder, path);
}

}  // namespace kestrune
