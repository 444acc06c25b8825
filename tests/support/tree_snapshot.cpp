#include "tree_snapshot.h"

#include <QCryptographicHash>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrune::test {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

QByteArray digestOf(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return QByteArrayLiteral("(unreadable)");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    char block[16384];
    ssize_t got = 0;
    while ((got = ::read(fd, block, sizeof block)) > 0)
        hash.addData(QByteArrayView(block, got));
    ::close(fd);
    return got < 0 ? QByteArrayLiteral("(unreadable)") : hash.result();
}

// What lstat says of the entry at `full`.
TreeEntry entryFrom(const struct stat& info, const QByteArray& full)
{
    TreeEntry entry;
    entry.type = info.st_mode & S_IFMT;
    entry.inode = info.st_ino;
    entry.size = S_ISDIR(info.st_mode) ? 0 : info.st_size;
    if (S_ISLNK(info.st_mode)) {
        QByteArray target(4096, '\0');
        const ssize_t length = ::readlink(full.constData(), target.data(), static_cast<size_t>(target.size()));
        target.resize(length < 0 ? 0 : length);
        entry.linkTarget = target;
    } else if (S_ISREG(info.st_mode)) {
        entry.contentsDigest = digestOf(full);
    }
    return entry;
}

void walk(const QByteArray& root, const QByteArray& relative, TreeSnapshot& out)
{
    const QByteArray folder = relative.isEmpty() ? root : root + '/' + relative;
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.constData()));
    if (!dir)
        throw std::runtime_error("cannot list " + folder.toStdString());
    while (const dirent* item = ::readdir(dir.get())) {
        const QByteArray name(item->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray path = relative.isEmpty() ? name : relative + '/' + name;
        TreeEntry entry;
        // A folder is known from its entry alone; the fuzz targets snapshot
        // trees of thousands of folders for every input.
        if (item->d_type == DT_DIR) {
            entry.type = S_IFDIR;
            entry.inode = item->d_ino;
            out.emplace(path, entry);
            walk(root, path, out);
            continue;
        }
        const QByteArray full = root + '/' + path;
        struct stat info {};
        if (::fstatat(::dirfd(dir.get()), name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            throw std::runtime_error("cannot stat " + full.toStdString());
        entry = entryFrom(info, full);
        out.emplace(path, entry);
        if (S_ISDIR(info.st_mode))
            walk(root, path, out);
    }
}

}  // namespace

TreeSnapshot snapshotTree(const QString& root)
{
    TreeSnapshot out;
    walk(QFile::encodeName(root), QByteArray(), out);
    return out;
}

TreeEntry snapshotEntry(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0)
        throw std::runtime_error("cannot stat " + native.toStdString());
    return entryFrom(info, native);
}

TreeChanges compareTrees(const TreeSnapshot& before, const TreeSnapshot& after)
{
    TreeChanges changes;
    for (const auto& [path, entry] : before) {
        const auto found = after.find(path);
        if (found == after.end())
            changes.removed.append(path);
        else if (!(found->second == entry))
            changes.changed.append(path);
    }
    for (const auto& [path, entry] : after) {
        if (!before.contains(path))
            changes.added.append(path);
    }
    return changes;
}

QString TreeChanges::describe() const
{
    QStringList lines;
    for (const auto& path : added)
        lines.append(QStringLiteral("added ") + QFile::decodeName(path));
    for (const auto& path : removed)
        lines.append(QStringLiteral("removed ") + QFile::decodeName(path));
    for (const auto& path : changed)
        lines.append(QStringLiteral("changed ") + QFile::decodeName(path));
    return lines.join(u'\n');
}

}  // namespace kestrune::test
