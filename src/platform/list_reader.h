#pragma once

#include "list_limits.h"

#include <QString>
#include <QStringList>

namespace kestrune {

// Reading list files (and values tables, which are read the same way): one
// call reads a whole file, or fails with one RuntimeError (missing, a folder,
// unreadable, a line or a file too long).
class ListReader {
public:
    virtual ~ListReader() = default;
    // The lines of the text file at `path`, without their line ends; more
    // lines or longer ones than `limits` allow fail.
    virtual QStringList readLines(const QString& path, const TextLimits& limits) = 0;

    // A list file's lines.
    QStringList readList(const QString& path) { return readLines(path, listFileLimits); }
};

}  // namespace kestrune
