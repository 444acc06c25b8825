#include "posix_history_folder.h"
#include "posix_texts.h"

#include "dir_closer.h"
#include "folder_paths.h"
#include "native_path.h"
#include "os_error.h"
#include "read_to_end.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrune {

namespace {

// A record of the largest press (10,000 folders, each with the files of a
// template) stays far below this; anything larger is no record of ours.
constexpr qint64 largestRecord = 64LL * 1024 * 1024;

constexpr int appendFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY;

class PosixAppendedFile final : public AppendedFile {
public:
    PosixAppendedFile(int fd, QString path) : fd_(fd), path_(std::move(path)) {}
    ~PosixAppendedFile() override { ::close(fd_); }
    PosixAppendedFile(const PosixAppendedFile&) = delete;
    PosixAppendedFile& operator=(const PosixAppendedFile&) = delete;

    void append(const QByteArray& lines) override
    {
        ssize_t written = -1;
        do
            written = ::write(fd_, lines.constData(), static_cast<size_t>(lines.size()));
        while (written < 0 && errno == EINTR);
        if (written == lines.size())
            return;
        // Cut short: a full disk. Writing the rest would most likely fail too,
        // and a half line would join whatever is added next.
        const int error = written < 0 ? errno : ENOSPC;
        if (written > 0) {
            const off_t end = ::lseek(fd_, 0, SEEK_END);
            if (end >= written && ::ftruncate(fd_, end - written) != 0) {
                // Nothing more to do: the reader drops a line cut short at the end.
            }
        }
        throw errorFromErrno(error, path_);
    }

    void sync() override
    {
        if (::fsync(fd_) != 0)
            throw errorFromErrno(errno, path_);
    }

private:
    int fd_;
    QString path_;
};

// Drops the bytes after the last line end, so that the next line added is
// read as one.
void dropLineCutShort(int fd, const QString& path)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throw errorFromErrno(errno, path);
    off_t end = info.st_size;
    std::array<char, 4096> block{};
    while (end > 0) {
        const off_t start = end > off_t(block.size()) ? end - off_t(block.size()) : 0;
        const ssize_t got = ::pread(fd, block.data(), static_cast<size_t>(end - start), start);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            throw errorFromErrno(got < 0 ? errno : EIO, path);
        for (ssize_t index = got - 1; index >= 0; --index) {
            if (block[static_cast<size_t>(index)] == '\n') {
                const off_t kept = start + index + 1;
                if (kept != info.st_size && ::ftruncate(fd, kept) != 0)
                    throw errorFromErrno(errno, path);
                return;
            }
        }
        end = start;
    }
    if (info.st_size > 0 && ::ftruncate(fd, 0) != 0)
        throw errorFromErrno(errno, path);
}

// Makes `path` and the folders above it that are missing, readable by the
// person alone: the records name every folder the person made.
void makeFolders(const QByteArray& path, const QString& forMessages)
{
    qsizetype slash = 0;
    do {
        slash = path.indexOf('/', slash + 1);
        const QByteArray level = slash < 0 ? path : path.left(slash);
        if (::mkdir(level.constData(), 0700) != 0 && errno != EEXIST)
            throw errorFromErrno(errno, forMessages);
    } while (slash >= 0);
}

}  // namespace

QString PosixHistoryFolder::filePath(const QString& name) const
{
    if (name.isEmpty() || name.contains(pathSeparator) || name == QLatin1String(".") || name == QLatin1String(".."))
        throw RuntimeError(BadFileNameOrNumber, texts::notOneFolderName.arg(joinPath(path_, name)));
    return joinPath(path_, name);
}

QStringList PosixHistoryFolder::names() const
{
    DIR* dir = ::opendir(nativePath(path_).constData());
    if (dir == nullptr) {
        if (errno == ENOENT)
            return {};
        throw errorFromErrno(errno, path_);
    }
    const DirCloser closer(dir);
    QStringList names;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            if (errno != 0)
                throw errorFromErrno(errno, path_);
            return names;
        }
        if (entry->d_name[0] != '.')
            names.append(QFile::decodeName(entry->d_name));
    }
}

std::unique_ptr<AppendedFile> PosixHistoryFolder::create(const QString& name)
{
    const QString path = filePath(name);
    const QByteArray native = nativePath(path);
    int fd = ::open(native.constData(), appendFlags | O_CREAT | O_EXCL, 0600);
    if (fd < 0 && errno == ENOENT) {  // the first record
        makeFolders(nativePath(path_), path_);
        fd = ::open(native.constData(), appendFlags | O_CREAT | O_EXCL, 0600);
    }
    if (fd < 0) {
        if (errno == EEXIST)
            return nullptr;
        throw errorFromErrno(errno, path);
    }
    return std::make_unique<PosixAppendedFile>(fd, path);
}

std::unique_ptr<AppendedFile> PosixHistoryFolder::openToAppend(const QString& name)
{
    const QString path = filePath(name);
    // Read as well: the end is looked at before anything is added.
    const int fd = ::open(nativePath(path).constData(), (appendFlags & ~O_WRONLY) | O_RDWR);
    if (fd < 0)
        throw errorFromErrno(errno, path);
    auto file = std::make_unique<PosixAppendedFile>(fd, path);
    dropLineCutShort(fd, path);
    return file;
}

QByteArray PosixHistoryFolder::read(const QString& name) const
{
    const QString path = filePath(name);
    // Not blocking: a pipe given a record's name must not hang the program.
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        throw errorFromErrno(errno, path);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } const closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throw errorFromErrno(errno, path);
    if (!S_ISREG(info.st_mode))
        throw RuntimeError(BadFileNameOrNumber, texts::notAPlainFile.arg(path));
    if (info.st_size > largestRecord)
        throw RuntimeError(BadRecordLength, texts::recordTooLarge.arg(path));
    return readToEnd(fd, largestRecord, path, RuntimeError(BadRecordLength, texts::recordTooLarge.arg(path)));
}

void PosixHistoryFolder::remove(const QString& name)
{
    if (::unlink(nativePath(filePath(name)).constData()) != 0)
        throw errorFromErrno(errno, filePath(name));
}

}  // namespace kestrune
