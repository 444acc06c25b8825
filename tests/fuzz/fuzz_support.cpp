#include "fuzz_support.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrune::fuzz {

void require(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz: broken: %s\n", what);
    std::abort();
}

ScratchFolder::ScratchFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    QByteArray pattern = QByteArray(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/kestrune-fuzz-XXXXXX";
    require(::mkdtemp(pattern.data()) != nullptr, "mkdtemp");
    path_ = QFile::decodeName(pattern);
}

ScratchFolder::~ScratchFolder()
{
    removeTree(QFile::encodeName(path_));
}

void writeBytes(const QString& path, const std::uint8_t* data, std::size_t size)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    require(fd >= 0, "open the list file for writing");
    std::size_t done = 0;
    while (done < size) {
        const ssize_t wrote = ::write(fd, data + done, size - done);
        require(wrote > 0, "write the list file");
        done += static_cast<std::size_t>(wrote);
    }
    ::close(fd);
}

namespace {
struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
}  // namespace

void removeTree(const QByteArray& path)
{
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return;
    if (S_ISDIR(info.st_mode)) {
        {
            const std::unique_ptr<DIR, DirCloser> dir(::opendir(path.constData()));
            require(dir != nullptr, "list a scratch folder");
            while (const dirent* item = ::readdir(dir.get())) {
                const QByteArray name(item->d_name);
                if (name != "." && name != "..")
                    removeTree(path + '/' + name);
            }
        }
        require(::rmdir(path.constData()) == 0, "remove a scratch folder");
    } else {
        require(::unlink(path.constData()) == 0, "remove a scratch file");
    }
}

}  // namespace kestrune::fuzz
