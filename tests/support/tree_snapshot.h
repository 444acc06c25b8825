#pragma once

#include <QByteArray>
#include <QStringList>

#include <map>
#include <sys/types.h>

namespace kestrune::test {

// One entry of a folder tree as lstat sees it (links are not followed); a
// folder as the folder holding it lists it.
struct TreeEntry {
    mode_t type = 0;  // S_IFDIR, S_IFREG, S_IFLNK, ...
    ino_t inode = 0;
    off_t size = 0;
    QByteArray linkTarget;
    QByteArray contentsDigest;  // plain files only

    bool operator==(const TreeEntry&) const = default;
};

// Every entry below a folder, keyed by its path relative to that folder
// ("a", "a/b"), so that a test can check what a run added, changed or removed.
using TreeSnapshot = std::map<QByteArray, TreeEntry>;

TreeSnapshot snapshotTree(const QString& root);

// The entry at `path` as a snapshot records it.
TreeEntry snapshotEntry(const QString& path);

// What differs between two snapshots of the same tree, one line per entry:
// "added a/b", "removed x", "changed list.txt". Empty when nothing differs.
struct TreeChanges {
    QList<QByteArray> added;
    QList<QByteArray> removed;
    QList<QByteArray> changed;

    bool isEmpty() const { return added.isEmpty() && removed.isEmpty() && changed.isEmpty(); }
    QString describe() const;
};

// A folder's own modification time is left out: adding an entry changes it.
TreeChanges compareTrees(const TreeSnapshot& before, const TreeSnapshot& after);

}  // namespace kestrune::test
