#pragma once

#include "folders.h"

namespace kestrune {

// Folders over mkdir(2), lstat(2) and rmdir(2).
class PosixFolders final : public Folders {
public:
    FolderId makeFolder(const QString& path) override;
    bool isFolder(const QString& path) const override;
    std::optional<FolderId> folderId(const QString& path) const override;
    bool removeEmptyFolder(const QString& path) override;
};

}  // namespace kestrune
