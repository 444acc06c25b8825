#pragma once

#include "failure_injector.h"
#include "folder_paths.h"
#include "posix_folders.h"

#include <QStringList>

#include <memory>

namespace kestrune::test {

class FakeFolders;

// A real source file, opened through a FakeOpenFolder.
class FakeSourceFile final : public SourceFile {
public:
    explicit FakeSourceFile(std::unique_ptr<SourceFile> real) : real_(std::move(real)) {}
    const QString& path() const override { return real_->path(); }
    qint64 size() const override { return real_->size(); }
    SourceFile& real() { return *real_; }

private:
    std::unique_ptr<SourceFile> real_;
};

// A real open folder whose calls are recorded by, and can be made to fail
// through, the FakeFolders that opened it (which must outlive it).
class FakeOpenFolder final : public OpenFolder {
public:
    FakeOpenFolder(std::unique_ptr<OpenFolder> real, FakeFolders& calls) : real_(std::move(real)), calls_(calls) {}

    const QString& path() const override { return real_->path(); }
    FolderId id() const override { return real_->id(); }
    std::optional<FolderId> makeFolder(const QString& name) override;
    std::unique_ptr<OpenFolder> openFolder(const QString& name) override;
    FolderEntry entry(const QString& name) const override;
    bool holdsFolder(const QString& name, const FolderId& id) const override;
    QList<NamedEntry> entries() const override;
    QList<SizedEntry> sizedEntries() const override;
    std::unique_ptr<SourceFile> openFile(const QString& name) override;
    CopiedFile copyFile(SourceFile& source, const QString& name, const CopyProgress& progress) override;
    bool removeEmptyFolder(const QString& name) override;
    bool removeFile(const QString& name) override;

private:
    std::unique_ptr<OpenFolder> real_;
    FakeFolders& calls_;
};

// Real folder making that records every call and can fail chosen calls:
// "openBase", "makeFolder", "openFolder", "entry" (any look at one entry,
// holdsFolder too), "entries", "sizedEntries", "openFile", "copyFile" (before
// anything is made), "copyStep" (each report of bytes written, so after some
// are: a disk that fills up mid-copy), "removeEmptyFolder", "removeFile".
class FakeFolders final : public Folders {
public:
    EntryKind kindOf(const QString& path) const override { return real.kindOf(path); }
    std::unique_ptr<OpenFolder> openFolder(const QString& path) override
    {
        faults.call(QStringLiteral("openBase"));
        return std::make_unique<FakeOpenFolder>(real.openFolder(path), *this);
    }

    QStringList made;     // the full path of every make asked for, in order, whether it succeeded or not
    QStringList copied;   // the full path of every copy asked for
    QStringList removed;  // likewise for removals, of folders and files
    PosixFolders real;
    FailureInjector faults;
};

inline std::optional<FolderId> FakeOpenFolder::makeFolder(const QString& name)
{
    calls_.made.append(joinPath(path(), name));
    calls_.faults.call(QStringLiteral("makeFolder"));
    return real_->makeFolder(name);
}

inline std::unique_ptr<OpenFolder> FakeOpenFolder::openFolder(const QString& name)
{
    calls_.faults.call(QStringLiteral("openFolder"));
    return std::make_unique<FakeOpenFolder>(real_->openFolder(name), calls_);
}

inline FolderEntry FakeOpenFolder::entry(const QString& name) const
{
    calls_.faults.call(QStringLiteral("entry"));
    return real_->entry(name);
}

inline bool FakeOpenFolder::holdsFolder(const QString& name, const FolderId& id) const
{
    calls_.faults.call(QStringLiteral("entry"));
    return real_->holdsFolder(name, id);
}

inline QList<NamedEntry> FakeOpenFolder::entries() const
{
    calls_.faults.call(QStringLiteral("entries"));
    return real_->entries();
}

inline bool FakeOpenFolder::removeEmptyFolder(const QString& name)
{
    calls_.removed.append(joinPath(path(), name));
    calls_.faults.call(QStringLiteral("removeEmptyFolder"));
    return real_->removeEmptyFolder(name);
}

inline QList<SizedEntry> FakeOpenFolder::sizedEntries() const
{
    calls_.faults.call(QStringLiteral("sizedEntries"));
    return real_->sizedEntries();
}

inline std::unique_ptr<SourceFile> FakeOpenFolder::openFile(const QString& name)
{
    calls_.faults.call(QStringLiteral("openFile"));
    return std::make_unique<FakeSourceFile>(real_->openFile(name));
}

inline CopiedFile FakeOpenFolder::copyFile(SourceFile& source, const QString& name, const CopyProgress& progress)
{
    calls_.copied.append(joinPath(path(), name));
    calls_.faults.call(QStringLiteral("copyFile"));
    FailureInjector& faults = calls_.faults;
    return real_->copyFile(static_cast<FakeSourceFile&>(source).real(), name, [&faults, progress](qint64 written) {
        faults.call(QStringLiteral("copyStep"));
        if (progress)
            progress(written);
    });
}

inline bool FakeOpenFolder::removeFile(const QString& name)
{
    calls_.removed.append(joinPath(path(), name));
    calls_.faults.call(QStringLiteral("removeFile"));
    return real_->removeFile(name);
}

}  // namespace kestrune::test
