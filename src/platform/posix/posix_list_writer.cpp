#include "posix_list_writer.h"
#include "posix_texts.h"

#include "native_path.h"
#include "os_error.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>  // renameat2
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace kestrune {

namespace {

// Whole list files are small (a thousand lines at most): one buffer, one write.
QByteArray listFileContents(const QStringList& lines)
{
    QByteArray contents("\xEF\xBB\xBF");
    qsizetype length = contents.size();
    for (const QString& line : lines)
        length += line.size() * 3 + 2;
    contents.reserve(length);
    for (const QString& line : lines) {
        contents.append(line.toUtf8());
        contents.append("\r\n");
    }
    return contents;
}

// The temporary file a list is written to before it takes its name: closed, and removed unless it was
// renamed, on every way out.
class TemporaryListFile {
public:
    // Made beside `target` so that the rename stays within one file system. The name starts with a dot and
    // does not end in ".txt", so that no file list offers it while it is written.
    TemporaryListFile(const QByteArray& target, const QString& path) : path_(path)
    {
        const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
        // Another writer may have drawn the same name: draw again, a few times.
        for (int attempt = 0; attempt < 8; ++attempt) {
            name_ = folder + ".kestrune-" + QByteArray::number(QRandomGenerator::system()->generate64(), 16) + ".tmp";
            fd_ = ::open(name_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
            if (fd_ >= 0 || errno != EEXIST)
                break;
        }
        if (fd_ < 0)
            throw errorFromErrno(errno, path_);
    }
    ~TemporaryListFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!renamed_)
            ::unlink(name_.constData());
    }
    TemporaryListFile(const TemporaryListFile&) = delete;
    TemporaryListFile& operator=(const TemporaryListFile&) = delete;

    // Writes everything and makes it durable before the file can take the list's name, so that a crash
    // cannot leave the name on an empty file.
    void write(const QByteArray& contents)
    {
        const char* data = contents.constData();
        qsizetype left = contents.size();
        while (left > 0) {
            const ssize_t written = ::write(fd_, data, static_cast<size_t>(left));
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                throw errorFromErrno(errno, path_);
            data += written;
            left -= written;
        }
        if (::fsync(fd_) != 0)
            throw errorFromErrno(errno, path_);
        // A network file system may report a failed write only here.
        const int closed = ::close(std::exchange(fd_, -1));
        if (closed != 0)
            throw errorFromErrno(errno, path_);
    }

    void renameTo(const QByteArray& target, bool replace)
    {
        const int moved =
            replace ? ::rename(name_.constData(), target.constData())
                    : ::renameat2(AT_FDCWD, name_.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
        if (moved == 0) {
            renamed_ = true;
            return;
        }
        // NFS and some FUSE file systems do not take the flag; a hard link refuses a taken name as well. The
        // temporary name it leaves beside the list is removed on the way out.
        if (replace || (errno != EINVAL && errno != ENOSYS))
            throw errorFromErrno(errno, path_);
        if (::link(name_.constData(), target.constData()) != 0)
            throw errorFromErrno(errno, path_);
    }

private:
    QString path_;
    QByteArray name_;
    int fd_ = -1;
    bool renamed_ = false;
};

}  // namespace

void PosixListWriter::writeList(const QString& path, const QStringList& lines, bool replace)
{
    const QByteArray target = nativePath(path);
    const bool holdsLineEnd = std::any_of(
        lines.cbegin(), lines.cend(), [](const QString& line) { return line.contains(u'\r') || line.contains(u'\n'); });
    if (holdsLineEnd)
        throw RuntimeError(InvalidProcedureCall, texts::lineEndInListLine.arg(path));
    TemporaryListFile temporary(target, path);
    temporary.write(listFileContents(lines));
    temporary.renameTo(target, replace);
}

}  // namespace kestrune
