#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>

namespace kestrune {

// A file of lines that is only ever added to, at its end.
class AppendedFile {
public:
    virtual ~AppendedFile() = default;
    // Adds `lines` (each ending in a line end) at the end with one write, so
    // that a process killed at any moment leaves either all of them or none.
    // A write the disk cuts short is taken back and fails, leaving the file
    // ending in a whole line. Fails with the numbered error.
    virtual void append(const QByteArray& lines) = 0;
    // Waits until what was added is on the disk. Fails with the numbered error.
    virtual void sync() = 0;
};

// The folder that holds the history of the presses, one file for each press:
// in the person's data folder, kept apart from the folders the presses make.
class HistoryFolder {
public:
    virtual ~HistoryFolder() = default;
    // For messages: where the files lie.
    virtual QString path() const = 0;
    // The names of the files there, in no order; none while the folder is
    // not there. Fails with the numbered error.
    virtual QStringList names() const = 0;
    // Makes the file `name`, and the folder first when it is not there; none
    // when a file of that name exists, so that two processes never share one.
    // Fails with the numbered error.
    virtual std::unique_ptr<AppendedFile> create(const QString& name) = 0;
    // Opens the file `name` to add to it. A last line cut short (by a power
    // cut, say) is dropped first, so that what is added starts a line of its
    // own. Fails with the numbered error.
    virtual std::unique_ptr<AppendedFile> openToAppend(const QString& name) = 0;
    // What the file `name` holds. Fails with the numbered error, also for a
    // file too large to be one of these.
    virtual QByteArray read(const QString& name) const = 0;
    // Removes the file `name`. Fails with the numbered error.
    virtual void remove(const QString& name) = 0;
};

}  // namespace kestrune
