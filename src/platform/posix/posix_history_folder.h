#pragma once

#include "history_folder.h"

#include <utility>

namespace kestrune {

// The history folder over POSIX files: the folder (and those above it) made
// private to the person, each file made with O_EXCL and written with O_APPEND,
// no link followed to a file.
class PosixHistoryFolder final : public HistoryFolder {
public:
    explicit PosixHistoryFolder(QString path) : path_(std::move(path)) {}

    QString path() const override { return path_; }
    QStringList names() const override;
    std::unique_ptr<AppendedFile> create(const QString& name) override;
    std::unique_ptr<AppendedFile> openToAppend(const QString& name) override;
    QByteArray read(const QString& name) const override;
    void remove(const QString& name) override;

private:
    QString filePath(const QString& name) const;

    QString path_;
};

}  // namespace kestrune
