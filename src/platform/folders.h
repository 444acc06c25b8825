#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace kestrune {

// Which folder a path names: the device and inode numbers. A folder renamed,
// moved or replaced by another of the same name no longer matches.
struct FolderId {
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FolderId&) const = default;
};

// Making and removing folders: with saving a list (ListWriter), the program's only writes to the disk.
class Folders {
public:
    virtual ~Folders() = default;
    // Makes one folder and says which it is. Fails with error 58 when an entry
    // of that name exists (so that a caller can choose another name without a
    // separate check), with 75 when the name is too long for the file
    // system, otherwise with the number mapped from the OS error.
    virtual FolderId makeFolder(const QString& path) = 0;
    // True when the path is a folder itself (a symbolic link is not).
    virtual bool isFolder(const QString& path) const = 0;
    // The folder at `path` now; none when there is no folder there (a
    // symbolic link is not one).
    virtual std::optional<FolderId> folderId(const QString& path) const = 0;
    // Removes an empty folder; false, and nothing done, when it holds
    // anything. Any other failure is a RuntimeError.
    virtual bool removeEmptyFolder(const QString& path) = 0;
};

}  // namespace kestrune
