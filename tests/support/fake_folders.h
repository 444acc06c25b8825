#pragma once

#include "failure_injector.h"
#include "posix_folders.h"

#include <QStringList>

namespace kestrune::test {

// Real folder making that records every call and can fail chosen calls.
class FakeFolders final : public Folders {
public:
    FolderId makeFolder(const QString& path) override
    {
        made.append(path);
        faults.call(QStringLiteral("makeFolder"));
        return real.makeFolder(path);
    }
    bool isFolder(const QString& path) const override { return real.isFolder(path); }
    std::optional<FolderId> folderId(const QString& path) const override { return real.folderId(path); }
    bool removeEmptyFolder(const QString& path) override
    {
        removed.append(path);
        faults.call(QStringLiteral("removeEmptyFolder"));
        return real.removeEmptyFolder(path);
    }

    QStringList made;     // every path asked for, in order, whether it succeeded or not
    QStringList removed;  // likewise for removals
    PosixFolders real;
    FailureInjector faults;
};

}  // namespace kestrune::test
