#pragma once

#include "pending_answer.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>

namespace kestrune {

// How long a shelf's folder, or a list on it, has to answer: a share that
// has gone away costs the person a moment, never the window.
inline constexpr std::chrono::milliseconds shelfAnswerLimit{2000};

// A folder of list files that a team shares, under the name the menu and
// the command line know it by.
struct Shelf {
    QString name;
    QString path;      // absolute
    bool own = false;  // the person's own, which they may take off; false for the administrator's
};

// Reading shelves, which may lie on shares that no longer answer. Every read
// runs off the caller's thread and is answered through a PendingAnswer: the
// caller decides how long to wait, and a read that never returns holds
// nothing of the caller's.
class ShelfReader {
public:
    virtual ~ShelfReader() = default;
    // The list files of `folder`: its *.txt files, sorted as the file list
    // sorts them. A folder that answers with a failure gives that failure.
    virtual std::shared_ptr<const PendingAnswer<QStringList>> listLists(const QString& folder) = 0;
    // The lines of the list file at `path`, read as any list file is read.
    virtual std::shared_ptr<const PendingAnswer<QStringList>> readList(const QString& path) = 0;
};

}  // namespace kestrune
