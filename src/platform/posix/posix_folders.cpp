#include "posix_folders.h"

#include "dir_closer.h"
#include "entry_name.h"
#include "file_bytes.h"
#include "folder_paths.h"
#include "native_path.h"
#include "os_error.h"
#include "posix_texts.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace kestrune {

namespace {

// A descriptor that names the folder without reading it: a folder that may
// be searched but not listed can still be worked in.
constexpr int folderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
constexpr unsigned idMask = STATX_TYPE | STATX_INO | STATX_BTIME;
// A plain file's look adds what its stamp holds.
constexpr unsigned entryMask = idMask | STATX_SIZE | STATX_MTIME;

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

FileStamp stampFrom(const struct statx& info)
{
    FileStamp stamp;
    stamp.size = static_cast<qint64>(info.stx_size);
    stamp.modifiedNanoseconds = info.stx_mtime.tv_sec * qint64{1000000000} + info.stx_mtime.tv_nsec;
    return stamp;
}

// What stands at `name` in `folder`, links not followed; `kind` is left
// Missing for ENOENT. 0, or the errno of a failure.
int inspect(int folder, const char* name, FolderEntry& entry)
{
    struct statx info {};
    if (::statx(folder, name, AT_SYMLINK_NOFOLLOW, entryMask, &info) != 0)
        return errno == ENOENT ? 0 : errno;
    if (S_ISLNK(info.stx_mode)) {
        entry.kind = EntryKind::Link;
        return 0;
    }
    const bool plainFile = S_ISREG(info.stx_mode);
    if (!S_ISDIR(info.stx_mode) && !plainFile) {
        entry.kind = EntryKind::Other;
        return 0;
    }
    FolderId id = idFrom(info);
    if (const int error = readHandle(folder, name, 0, id); error != 0)
        return error == ENOENT ? 0 : error;
    entry.kind = plainFile ? EntryKind::Other : EntryKind::Folder;
    entry.id = id;
    entry.plainFile = plainFile;
    if (plainFile)
        entry.stamp = stampFrom(info);
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

// The error for an entry that is no plain file where one was wanted.
RuntimeError notAPlainFile(EntryKind kind, const QString& path)
{
    if (kind == EntryKind::Missing)
        return errorFromErrno(ENOENT, path);
    return RuntimeError(PathNotFound, (kind == EntryKind::Link ? texts::aLinkFile : texts::notAPlainFile).arg(path));
}

}  // namespace

PosixSourceFile::PosixSourceFile(int descriptor, QString path, qint64 size)
    : descriptor_(descriptor), path_(std::move(path)), size_(size)
{
}

PosixSourceFile::~PosixSourceFile()
{
    ::close(descriptor_);
}

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

// Calls `visit` with the open listing's descriptor, each entry but "." and
// ".." and its name; a name the file-name encoding cannot carry is left out.
void listEntries(int descriptor, const QString& path, const std::function<void(int, const dirent&, QString)>& visit)
{
    // The held descriptor names the folder without reading it; a listing
    // needs one opened for reading, through it, so that it is the same folder.
    const int readable = ::openat(descriptor, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (readable < 0)
        throw errorFromErrno(errno, path);
    DIR* dir = ::fdopendir(readable);
    if (dir == nullptr) {
        const int error = errno;
        ::close(readable);
        throw errorFromErrno(error, path);
    }
    const DirCloser closeOnExit(dir);
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            if (errno != 0)
                throw errorFromErrno(errno, path);
            return;
        }
        const QByteArray bytes(entry->d_name);
        if (bytes == "." || bytes == "..")
            continue;
        QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) != bytes)
            continue;
        visit(::dirfd(dir), *entry, std::move(name));
    }
}

}  // namespace

QList<NamedEntry> PosixOpenFolder::entries() const
{
    QList<NamedEntry> found;
    listEntries(descriptor_, path_, [&found](int folder, const dirent& entry, QString name) {
        found.append({std::move(name), kindOf(folder, entry)});
    });
    return found;
}

QList<SizedEntry> PosixOpenFolder::sizedEntries() const
{
    QList<SizedEntry> found;
    listEntries(descriptor_, path_, [&](int folder, const dirent& entry, QString name) {
        SizedEntry sized{std::move(name), EntryKind::Other, false, 0};
        if (entry.d_type == DT_DIR) {
            sized.kind = EntryKind::Folder;
        } else if (entry.d_type == DT_LNK) {
            sized.kind = EntryKind::Link;
        } else if (entry.d_type == DT_REG || entry.d_type == DT_UNKNOWN) {
            struct stat info {};
            if (::fstatat(folder, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                throw errorFromErrno(errno, joinPath(path_, sized.name));
            sized.kind = S_ISDIR(info.st_mode)   ? EntryKind::Folder
                         : S_ISLNK(info.st_mode) ? EntryKind::Link
                                                 : EntryKind::Other;
            sized.plainFile = S_ISREG(info.st_mode);
            sized.size = sized.plainFile ? static_cast<qint64>(info.st_size) : 0;
        }
        found.append(std::move(sized));
    });
    return found;
}

std::unique_ptr<SourceFile> PosixOpenFolder::openFile(const QString& name)
{
    const QString path = joinPath(path_, name);
    const QByteArray native = nativeName(name, path);
    // O_NONBLOCK: a FIFO put in the file's place would otherwise hold the
    // open until something writes to it. Plain files ignore the flag.
    const int file =
        ::openat(descriptor_, native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0) {
        const int error = errno;
        FolderEntry there;
        if (error == ELOOP && inspect(descriptor_, native.constData(), there) == 0)
            throw notAPlainFile(there.kind, path);
        throw errorFromErrno(error, path);
    }
    struct stat info {};
    if (::fstat(file, &info) != 0) {
        const int error = errno;
        ::close(file);
        throw errorFromErrno(error, path);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(file);
        throw notAPlainFile(S_ISDIR(info.st_mode) ? EntryKind::Folder : EntryKind::Other, path);
    }
    return std::make_unique<PosixSourceFile>(file, path, static_cast<qint64>(info.st_size));
}

CopiedFile PosixOpenFolder::copyFile(SourceFile& source, const QString& name, const CopyProgress& progress)
{
    const QString path = joinPath(path_, name);
    const QByteArray native = nativeName(name, path);
    const auto* from = dynamic_cast<const PosixSourceFile*>(&source);
    if (from == nullptr)
        throw RuntimeError(BadFileNameOrNumber, texts::notAPlainFile.arg(source.path()));
    // 0666: the kernel takes the umask (or the folder's default ACL) off, as
    // for any new file; the source's bits and owner never come along.
    const int to =
        ::openat(descriptor_, native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (to < 0)
        throw errorFromErrno(errno, path);
    // Only the file this copy made goes, never one put in its place; it is
    // known by its device and inode, read from the descriptor.
    const auto removePartial = [&](dev_t device, ino_t inode) {
        struct stat now {};
        if (::fstatat(descriptor_, native.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_dev == device &&
            now.st_ino == inode)
            ::unlinkat(descriptor_, native.constData(), 0);
    };
    const auto removeOpenPartial = [&] {
        struct stat made {};
        if (::fstat(to, &made) == 0)
            removePartial(made.st_dev, made.st_ino);
    };
    int error = 0;
    try {
        error = copyFileBytes(from->descriptor(), to, progress);
    } catch (...) {
        removeOpenPartial();
        ::close(to);
        throw;
    }
    // Which file it is and its stamp, from the descriptor: the file this copy
    // made, whatever another program has put at its name since. (A share
    // whose server stamps the time again at the close makes an undo keep the
    // copy as changed: kept, never lost.)
    CopiedFile copied;
    struct statx info {};
    if (error == 0 && ::statx(to, "", AT_EMPTY_PATH, entryMask, &info) != 0)
        error = errno;
    if (error == 0) {
        copied.id = idFrom(info);
        copied.stamp = stampFrom(info);
        error = readHandle(to, "", AT_EMPTY_PATH, copied.id);
    }
    if (error != 0) {
        removeOpenPartial();
        ::close(to);
        throw errorFromErrno(error, path);
    }
    // A network share may report a failed write only now.
    if (::close(to) != 0) {
        const int closeError = errno;
        removePartial(static_cast<dev_t>(makedev(info.stx_dev_major, info.stx_dev_minor)),
                      static_cast<ino_t>(info.stx_ino));
        throw errorFromErrno(closeError, path);
    }
    return copied;
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

bool PosixOpenFolder::removeFile(const QString& name)
{
    const QString path = joinPath(path_, name);
    if (::unlinkat(descriptor_, nativeName(name, path).constData(), 0) == 0)
        return true;
    if (errno == ENOENT)
        return false;
    throw errorFromErrno(errno, path);
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
