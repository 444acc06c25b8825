#include "tree_snapshot.h"

#include <QCryptographicHash>
#include <QFile>

#include <dirent.h>
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
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("(unreadable)");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
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
        const QByteArray full = root + '/' + path;
        struct stat info {};
        if (::lstat(full.constData(), &info) != 0)
            throw std::runtime_error("cannot stat " + full.toStdString());
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
