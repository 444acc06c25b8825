#pragma once

#include "folders.h"

namespace kestrune {

// A plain file held open for reading, to be copied by a PosixOpenFolder.
class PosixSourceFile final : public SourceFile {
public:
    // Takes over `descriptor`, which must be a plain file open for reading.
    PosixSourceFile(int descriptor, QString path, qint64 size);
    ~PosixSourceFile() override;
    PosixSourceFile(const PosixSourceFile&) = delete;
    PosixSourceFile& operator=(const PosixSourceFile&) = delete;

    const QString& path() const override { return path_; }
    qint64 size() const override { return size_; }
    int descriptor() const { return descriptor_; }

private:
    int descriptor_;
    QString path_;
    qint64 size_;
};

// One folder held open by a descriptor (O_PATH, O_DIRECTORY, O_NOFOLLOW,
// O_CLOEXEC): makes, opens, inspects and removes by name relative to it with
// mkdirat(2), openat(2), statx(2), name_to_handle_at(2) and unlinkat(2); lists
// through a descriptor opened for reading from it; copies files into it with
// openat(2) (O_CREAT, O_EXCL, O_NOFOLLOW) and copyFileBytes.
class PosixOpenFolder final : public OpenFolder {
public:
    // Takes over `descriptor`, which must be an open folder.
    PosixOpenFolder(int descriptor, QString path);
    ~PosixOpenFolder() override;
    PosixOpenFolder(const PosixOpenFolder&) = delete;
    PosixOpenFolder& operator=(const PosixOpenFolder&) = delete;

    const QString& path() const override { return path_; }
    FolderId id() const override { return id_; }
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
    int descriptor_;
    QString path_;
    FolderId id_;
};

// Opens the folder the person chose; everything below goes through it.
class PosixFolders final : public Folders {
public:
    EntryKind kindOf(const QString& path) const override;
    std::unique_ptr<OpenFolder> openFolder(const QString& path) override;
};

}  // namespace kestrune
