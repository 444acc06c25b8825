#pragma once

#include <QString>

namespace kestrune {

// Making folders: the program's only write to the disk.
class Folders {
public:
    virtual ~Folders() = default;
    // Makes one folder. Fails with error 58 when an entry of that name exists
    // (so that a caller can choose another name without a separate check),
    // otherwise with the number mapped from the OS error.
    virtual void makeFolder(const QString& path) = 0;
    // True when the path is a folder itself (a symbolic link is not).
    virtual bool isFolder(const QString& path) const = 0;
};

}  // namespace kestrune
