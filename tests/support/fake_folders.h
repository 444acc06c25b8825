#pragma once

#include "failure_injector.h"
#include "posix_folders.h"

#include <QStringList>

namespace kestrune::test {

// Real folder making that records every call and can fail chosen calls.
class FakeFolders final : public Folders {
public:
    void makeFolder(const QString& path) override
    {
        made.append(path);
        faults.call(QStringLiteral("makeFolder"));
        real.makeFolder(path);
    }
    bool isFolder(const QString& path) const override { return real.isFolder(path); }

    QStringList made;  // every path asked for, in order, whether it succeeded or not
    PosixFolders real;
    FailureInjector faults;
};

}  // namespace kestrune::test
