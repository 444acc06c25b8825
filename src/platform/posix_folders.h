#pragma once

#include "folders.h"

namespace kestrune {

class PosixFolders final : public Folders {
public:
    void MkDir(const QString& path) override;
    bool IsFolder(const QString& path) const override;
};

}  // namespace kestrune
