#pragma once

#include <QString>
#include <QStringList>

namespace kestrune {

// Reading list files: one call reads a whole file, or fails with one
// RuntimeError (missing, a folder, unreadable, a line or a list too long).
class ListReader {
public:
    virtual ~ListReader() = default;
    // The lines of the text file at `path`, without their line ends, at most
    // mostListLines of them.
    virtual QStringList readList(const QString& path) = 0;
};

}  // namespace kestrune
