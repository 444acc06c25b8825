#pragma once

#include "folders.h"

namespace kestrune {

class PosixFolders final : public Folders {
public:
    void makeFolder(const QString& path) override;
    bool isFolder(const QString& path) const override;
};

}  // namespace kestrune
